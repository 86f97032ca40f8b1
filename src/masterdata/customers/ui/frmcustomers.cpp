#include "masterdata/customers/ui/frmcustomers.h"

#include "common/printercheck.h"
#include "common/ui/fontfactor.h"
#include "engine/dberror.h"
#include "masterdata/customers/customerdelete.h"
#include "masterdata/customers/ui/customerlistmodel.h"
#include "masterdata/customers/ui/frmcustomer.h"
#include "masterdata/customers/ui/frmcustomersfilter.h"
#include "masterdata/customers/ui/frmcustomersfind.h"
#include "receivables/listing/listtexts.h"
#include "receivables/listing/ui/registerwindowparts.h"
#include "reports/registerlists/trptcustomers.h"
#include "reports/registerlists/ui/listpreview.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <memory>

TfrmCustomers::TfrmCustomers(Database& db, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), dialogs_(this)
{
    setObjectName(QStringLiteral("frmCustomers"));
    model_ = new CustomerListModel(this);
    grdCustomers = makeRegisterGrid(this, "grdCustomers", model_);
    connect(grdCustomers, &QTableView::doubleClicked, this, [this] { editCustomer(); });
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    filterDialog_ = new TfrmCustomersFilter(db_, this);
    buildActions();
    buildMenusAndButtons();
    connect(grdCustomers->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateCommands(); });
    resize(760, 520);
    refresh();
    applyFontFactor(this);
}

TfrmCustomers::~TfrmCustomers() = default;

void TfrmCustomers::buildActions()
{
    const auto action = [this](const char* name, const QString& text,
                               const QKeySequence& keys = {}) {
        return windowAction(this, name, text, keys);
    };
    actPrint = action("actPrint", QStringLiteral("&Print..."));
    actExit = action("actExit", QStringLiteral("E&xit"));
    actNew = action("actNew", QStringLiteral("&New"), QKeySequence(Qt::Key_Insert));
    actEdit = action("actEdit", QStringLiteral("&Edit"), QKeySequence(Qt::Key_Return));
    actDelete = action("actDelete", QStringLiteral("&Delete"));
    actFind = action("actFind", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuFilter = action("mnuFilter", QStringLiteral("&Filter..."));
    mnuFilter->setCheckable(true);
    actSortNumber = action("actSortNumber", QStringLiteral("C&ustomer no."));
    actSortName = action("actSortName", QStringLiteral("&Name"));
    auto* sortGroup = new QActionGroup(this);
    for (QAction* sort : {actSortNumber, actSortName}) {
        sort->setCheckable(true);
        sortGroup->addAction(sort);
    }
    actSortName->setChecked(true);
    actInvoices = action("actInvoices", QStringLiteral("&Invoices"));
    actPayments = action("actPayments", QStringLiteral("&Payments"));
    actRefresh = action("actRefresh", QStringLiteral("&Refresh"), QKeySequence(Qt::Key_F5));
    actHelp = action("actHelp", QStringLiteral("&Help"));
    actHelp->setEnabled(false);

    connect(actPrint, &QAction::triggered, this, &TfrmCustomers::printList);
    connect(actHelp, &QAction::triggered, this, [this] {
        if (openHelp)
            openHelp();
    });
    connect(actExit, &QAction::triggered, this, &QWidget::close);
    connect(actNew, &QAction::triggered, this, &TfrmCustomers::newCustomer);
    connect(actEdit, &QAction::triggered, this, &TfrmCustomers::editCustomer);
    connect(actDelete, &QAction::triggered, this, &TfrmCustomers::deleteCustomer);
    connect(actFind, &QAction::triggered, this, &TfrmCustomers::find);
    connect(mnuFilter, &QAction::triggered, this, [this] {
        mnuFilter->setChecked(filter_.isOn());
        filter();
    });
    connect(actSortNumber, &QAction::triggered, this, [this] { setOrder(CustomerOrder::Number); });
    connect(actSortName, &QAction::triggered, this, [this] { setOrder(CustomerOrder::Name); });
    connect(actInvoices, &QAction::triggered, this, [this] {
        if (const qint64 id = currentCustomerId(); id && openInvoices)
            openInvoices(id);
    });
    connect(actPayments, &QAction::triggered, this, [this] {
        if (const qint64 id = currentCustomerId(); id && openPayments)
            openPayments(id);
    });
    connect(actRefresh, &QAction::triggered, this, &TfrmCustomers::refresh);
}

void TfrmCustomers::buildMenusAndButtons()
{
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(actPrint);
    file->addSeparator();
    file->addAction(actExit);
    QMenu* records = menus->addMenu(QStringLiteral("&Records"));
    records->addActions({actNew, actEdit, actDelete});
    records->addSeparator();
    records->addAction(actFind);
    QMenu* viewMenu = menus->addMenu(QStringLiteral("&View"));
    viewMenu->addAction(mnuFilter);
    QMenu* sort = viewMenu->addMenu(QStringLiteral("&Sort by"));
    sort->addActions({actSortNumber, actSortName});
    viewMenu->addSeparator();
    viewMenu->addActions({actInvoices, actPayments});
    viewMenu->addSeparator();
    viewMenu->addAction(actRefresh);
    menus->addMenu(QStringLiteral("&Help"))->addAction(actHelp);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({actNew, actEdit, actDelete});
    tools->addSeparator();
    // The buttons carry their own mnemonics; the menus keep theirs.
    QAction* filterButton = tools->addAction(QStringLiteral("Fil&ter"));
    connect(filterButton, &QAction::triggered, mnuFilter, &QAction::trigger);
    QAction* findButton = tools->addAction(QStringLiteral("F&ind"));
    connect(findButton, &QAction::triggered, actFind, &QAction::trigger);
    grdCustomers->addActions({actEdit, actNew, actDelete, actInvoices, actPayments});
    layOutRegister(this, menus, tools, grdCustomers, lblStatus);
}

const CustomerRow* TfrmCustomers::currentRow() const
{
    return model_->rowAt(grdCustomers->currentIndex().row());
}

qint64 TfrmCustomers::currentCustomerId() const
{
    const CustomerRow* row = currentRow();
    return row ? row->customerId : 0;
}

bool TfrmCustomers::moveTo(qint64 customerId)
{
    return moveToRow(grdCustomers, model_->rowOf(customerId));
}

void TfrmCustomers::refresh()
{
    const qint64 current = currentCustomerId();
    const int currentRowNumber = grdCustomers->currentIndex().row();
    try {
        model_->setRows(readCustomers(db_, filter_, order_));
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, e.message());
    }
    settleRegisterGrid(grdCustomers, model_->rowOf(current), currentRowNumber,
                       CustomerListModel::Name);
    lblStatus->setText(QStringLiteral("%1 customer(s)").arg(model_->rowCount()));
    setWindowTitle(listCaption(QStringLiteral("Clients and Funders"), false, filter_.isOn()));
    updateCommands();
}

void TfrmCustomers::updateCommands()
{
    const bool any = currentRow() != nullptr;
    actEdit->setEnabled(true);
    actDelete->setEnabled(any);
    actInvoices->setEnabled(any && bool(openInvoices));
    actPayments->setEnabled(any && bool(openPayments));
    actHelp->setEnabled(bool(openHelp));
    mnuFilter->setChecked(filter_.isOn());
    actSortName->setChecked(order_ == CustomerOrder::Name);
    actSortNumber->setChecked(order_ == CustomerOrder::Number);
}

void TfrmCustomers::resetFilter()
{
    filterDialog_->reset();
    setFilter(CustomerFilter());
}

void TfrmCustomers::setFilter(const CustomerFilter& filter)
{
    filter_ = filter;
    refresh();
}

void TfrmCustomers::setOrder(CustomerOrder order)
{
    order_ = order;
    refresh();
    moveToRow(grdCustomers, model_->rowCount() > 0 ? 0 : -1);
}

TfrmCustomer* TfrmCustomers::openRecordWindow()
{
    auto* window = new TfrmCustomer(db_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->dial = dial;
    window->openCodeTable = openCodeTable;
    connect(window, &TfrmCustomer::customerStored, this, [this](qint64 id) {
        refresh();
        moveTo(id);
    });
    return window;
}

void TfrmCustomers::newCustomer()
{
    TfrmCustomer* window = openRecordWindow();
    if (!window->openNew()) {
        delete window;
        return;
    }
    window->show();
}

void TfrmCustomers::editCustomer()
{
    const qint64 id = currentCustomerId();
    if (id == 0) {
        newCustomer();
        return;
    }
    TfrmCustomer* window = openRecordWindow();
    if (!window->openExisting(id)) {
        delete window;
        refresh();
        return;
    }
    window->show();
}

void TfrmCustomers::deleteCustomer()
{
    const qint64 id = currentCustomerId();
    if (id == 0)
        return;
    try {
        if (::deleteCustomer(db_, dialogs_, id) != DeleteOutcome::Abandoned)
            refresh();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, e.message());
    }
}

void TfrmCustomers::find()
{
    TfrmCustomersFind dialog(
        db_, [this](qint64 id) { return moveTo(id); }, this);
    dialog.exec();
}

void TfrmCustomers::filter()
{
    filterDialog_->reload();
    if (filterDialog_->exec() == QDialog::Accepted)
        setFilter(filterDialog_->filter());
    else
        refresh();
}

void TfrmCustomers::printList()
{
    if (!PrinterDefined()) {
        dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
        return;
    }
    try {
        // Read again with the list's own view, so the paper shows what the grid shows now.
        QList<CustomerListRow> lines;
        for (const CustomerRow& r : readCustomers(db_, filter_, order_))
            lines << CustomerListRow{r.customerNo, r.customerName, r.phone, r.notes};
        auto list = std::make_shared<TrptCustomers>(std::move(lines));
        previewListReport(
            this, [list](report::PageSink& sink) { list->print(sink); }, TrptCustomers::title(),
            dialogs_);
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, e.message());
    }
}

#include "receivables/invoices/ui/frmarinvoices.h"

#include "common/printercheck.h"
#include "common/ui/fontfactor.h"
#include "engine/dberror.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/register/registercolumns.h"
#include "receivables/invoices/register/registercommands.h"
#include "receivables/invoices/register/registercopy.h"
#include "receivables/invoices/register/registerdelete.h"
#include "receivables/invoices/register/registerfind.h"
#include "receivables/invoices/ui/formselectdeletedate.h"
#include "receivables/invoices/ui/frmarinvoice.h"
#include "receivables/invoices/ui/frmarinvoicepayments.h"
#include "receivables/invoices/ui/frmarinvoicesetup.h"
#include "receivables/invoices/ui/frmarinvoicesfilter.h"
#include "receivables/invoices/ui/frmarinvoicesfind.h"
#include "receivables/invoices/ui/registermodel.h"
#include "receivables/listing/ui/registerwindowparts.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "reports/registerlists/trptarinvoices.h"
#include "reports/registerlists/ui/listpreview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <memory>

TfrmARInvoices::TfrmARInvoices(Database& db, TdmLookUps& lookups, QString databaseDirectory,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), lookups_(lookups),
      directory_(std::move(databaseDirectory)), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARInvoices"));
    sendMail = [](const QString& address) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    };
    model_ = new RegisterModel(this);
    grdInvoices = makeRegisterGrid(this, "grdInvoices", model_);
    connect(grdInvoices, &QTableView::doubleClicked, this, [this] { editInvoice(); });
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    filterDialog_ = new TfrmARInvoicesFilter(db_, this);

    buildActions();
    buildMenusAndButtons();
    connect(grdInvoices->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        updateCommands();
        if (payments_)
            payments_->showInvoice(currentInvoiceId());
    });
    resize(980, 560);
    refresh();
    applyFontFactor(this);
}

TfrmARInvoices::~TfrmARInvoices() = default;

void TfrmARInvoices::buildActions()
{
    const auto action = [this](const char* name, const QString& text,
                               const QKeySequence& keys = {}) {
        return windowAction(this, name, text, keys);
    };
    actNew = action("actNew", QStringLiteral("&New"), QKeySequence(Qt::Key_Insert));
    actEdit = action("actEdit", QStringLiteral("&Edit"), QKeySequence(Qt::Key_Return));
    actDeleteSelected = action("actDeleteSelected", QStringLiteral("Selected Invoice"));
    actDeleteDate = action("actDeleteDate", QStringLiteral("Specified Invoice Date"));
    actCopy = action("actCopy", QStringLiteral("&Copy"));
    actFind = action("actFind", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    actPost = action("actPost", QStringLiteral("&Post..."));
    mnuOutstanding = action("mnuOutstanding", QStringLiteral("&Outstanding"),
                            QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOutstanding->setCheckable(true);
    mnuFilter = action("mnuFilter", QStringLiteral("F&ilter..."));
    mnuFilter->setCheckable(true);
    actSortDate = action("actSortDate", QStringLiteral("&Date"));
    actSortNumber = action("actSortNumber", QStringLiteral("&Invoice no."));
    actSortDate->setCheckable(true);
    actSortNumber->setCheckable(true);
    actSortDate->setChecked(true);
    actCustomer = action("actCustomer", QStringLiteral("C&ustomer"));
    actPayments = action("actPayments", QStringLiteral("Pay&ment(s)"));
    actRefresh = action("actRefresh", QStringLiteral("&Refresh"), QKeySequence(Qt::Key_F5));
    actPhone = action("actPhone", QStringLiteral("P&hone"));
    actEMail = action("actEMail", QStringLiteral("E-&Mail"));
    actPrintSelected = action("actPrintSelected", QStringLiteral("Print &Selected Invoice..."));
    actPrintUnprinted =
        action("actPrintUnprinted", QStringLiteral("Print &All Unprinted Invoices..."));
    actPrintSetup = action("actPrintSetup", QStringLiteral("Invoice Print Set&up..."));
    actPrintList = action("actPrintList", QStringLiteral("Print &List..."));
    actPrintPeriodById = action("actPrintPeriodById", QStringLiteral("by Client/Funder &ID..."));
    actPrintPeriodByName =
        action("actPrintPeriodByName", QStringLiteral("by Client/Funder &Name..."));

    connect(actNew, &QAction::triggered, this, &TfrmARInvoices::newInvoice);
    connect(actEdit, &QAction::triggered, this, &TfrmARInvoices::editInvoice);
    connect(actDeleteSelected, &QAction::triggered, this, &TfrmARInvoices::deleteSelectedInvoice);
    connect(actDeleteDate, &QAction::triggered, this, &TfrmARInvoices::deleteByDate);
    connect(actCopy, &QAction::triggered, this, &TfrmARInvoices::copyInvoice);
    connect(actFind, &QAction::triggered, this, &TfrmARInvoices::find);
    connect(actPost, &QAction::triggered, this, &TfrmARInvoices::post);
    connect(mnuOutstanding, &QAction::triggered, this, &TfrmARInvoices::setOutstanding);
    connect(mnuFilter, &QAction::triggered, this, [this] {
        mnuFilter->setChecked(view_.filter.narrows());
        filter();
    });
    connect(actSortDate, &QAction::triggered, this,
            [this] { setOrder(RegisterOrder::DateNewestFirst); });
    connect(actSortNumber, &QAction::triggered, this,
            [this] { setOrder(RegisterOrder::InvoiceNo); });
    connect(actCustomer, &QAction::triggered, this, [this] {
        if (const RegisterRow* row = currentRow(); row && row->customerId && openCustomerList)
            openCustomerList(*row->customerId);
    });
    connect(actPayments, &QAction::triggered, this, &TfrmARInvoices::showPayments);
    connect(actRefresh, &QAction::triggered, this, &TfrmARInvoices::refresh);
    connect(actPhone, &QAction::triggered, this, [this] {
        if (const RegisterRow* row = currentRow(); row && dial)
            dial(row->phone, row->customerName);
    });
    connect(actEMail, &QAction::triggered, this, [this] {
        if (const RegisterRow* row = currentRow(); row && sendMail)
            sendMail(row->email);
    });
    connect(actPrintSelected, &QAction::triggered, this, &TfrmARInvoices::printSelectedInvoice);
    connect(actPrintUnprinted, &QAction::triggered, this, &TfrmARInvoices::printUnprintedInvoices);
    connect(actPrintSetup, &QAction::triggered, this, &TfrmARInvoices::printSetup);
    connect(actPrintList, &QAction::triggered, this, &TfrmARInvoices::printList);
    connect(actPrintPeriodById, &QAction::triggered, this,
            [this] { printListInTimePeriod(reports::TimePeriodList::InvoicesById); });
    connect(actPrintPeriodByName, &QAction::triggered, this,
            [this] { printListInTimePeriod(reports::TimePeriodList::InvoicesByName); });
}

void TfrmARInvoices::buildMenusAndButtons()
{
    auto* menus = new QMenuBar(this);
    QMenu* invoice = menus->addMenu(QStringLiteral("&Invoice"));
    invoice->addActions({actNew, actEdit, actCopy});
    QMenu* remove = invoice->addMenu(QStringLiteral("&Delete"));
    remove->addActions({actDeleteSelected, actDeleteDate});
    invoice->addSeparator();
    invoice->addAction(actPost);
    QMenu* viewMenu = menus->addMenu(QStringLiteral("&View"));
    viewMenu->addActions({actFind, mnuOutstanding, mnuFilter});
    QMenu* sort = viewMenu->addMenu(QStringLiteral("&Sort by"));
    sort->addActions({actSortDate, actSortNumber});
    viewMenu->addSeparator();
    viewMenu->addActions({actCustomer, actPayments, actPhone, actEMail});
    viewMenu->addSeparator();
    viewMenu->addAction(actRefresh);
    QMenu* print = menus->addMenu(QStringLiteral("&Print"));
    print->addActions({actPrintSelected, actPrintUnprinted});
    print->addSeparator();
    print->addAction(actPrintSetup);
    print->addSeparator();
    print->addAction(actPrintList);
    QMenu* period = print->addMenu(QStringLiteral("Print List in &time period"));
    period->addActions({actPrintPeriodById, actPrintPeriodByName});

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({actNew, actEdit, actCopy});
    auto* deleteButton = new QToolButton(tools);
    deleteButton->setObjectName(QStringLiteral("btnDelete"));
    deleteButton->setText(QStringLiteral("Delete"));
    deleteButton->setMenu(remove);
    deleteButton->setPopupMode(QToolButton::InstantPopup);
    tools->addWidget(deleteButton);
    tools->addSeparator();
    tools->addActions({actFind, mnuOutstanding, mnuFilter, actRefresh});
    tools->addSeparator();
    tools->addActions({actPayments, actPrintSelected, actPost});

    grdInvoices->addActions(
        {actEdit, actNew, actCopy, actDeleteSelected, actPayments, actPrintSelected});

    layOutRegister(this, menus, tools, grdInvoices, lblStatus);
}

const RegisterRow* TfrmARInvoices::currentRow() const
{
    return model_->rowAt(grdInvoices->currentIndex().row());
}

qint64 TfrmARInvoices::currentInvoiceId() const
{
    const RegisterRow* row = currentRow();
    return row ? row->invoiceId : 0;
}

bool TfrmARInvoices::moveTo(qint64 invoiceId)
{
    return moveToRow(grdInvoices, model_->rowOf(invoiceId));
}

void TfrmARInvoices::refresh()
{
    const qint64 current = currentInvoiceId();
    const int currentRowNumber = grdInvoices->currentIndex().row();
    try {
        model_->setRows(readRegister(db_, view_), QDate::currentDate());
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    settleRegisterGrid(grdInvoices, model_->rowOf(current), currentRowNumber,
                       registercolumns::Description);
    lblStatus->setText(QStringLiteral("%1 invoice(s)").arg(model_->rowCount()));
    updateCaption();
    updateCommands();
}

void TfrmARInvoices::updateCaption()
{
    setWindowTitle(registerCaption(view_.outstanding, view_.filter.narrows()));
}

void TfrmARInvoices::updateCommands()
{
    const RegisterRow* row = currentRow();
    const bool unposted = row && !row->posted;
    actEdit->setEnabled(true);
    actDeleteSelected->setEnabled(unposted);
    actDeleteDate->setEnabled(unposted);
    actCopy->setEnabled(row != nullptr);
    actPayments->setEnabled(row != nullptr);
    actPrintSelected->setEnabled(row != nullptr);
    actPost->setEnabled(bool(openPosting));
    actCustomer->setEnabled(row && row->customerId && bool(openCustomerList));
    actPhone->setEnabled(row && !row->phone.isEmpty() && bool(dial));
    actEMail->setEnabled(row && !row->email.isEmpty() && bool(sendMail));
    mnuOutstanding->setChecked(view_.outstanding);
    mnuFilter->setChecked(view_.filter.narrows());
    actSortDate->setChecked(view_.order == RegisterOrder::DateNewestFirst);
    actSortNumber->setChecked(view_.order == RegisterOrder::InvoiceNo);
}

void TfrmARInvoices::resetFilter()
{
    filterDialog_->reset();
    view_.filter = RegisterFilter();
    view_.outstanding = false;
    refresh();
}

void TfrmARInvoices::setOutstanding(bool on)
{
    view_.outstanding = on;
    refresh();
}

void TfrmARInvoices::setFilter(const RegisterFilter& filter)
{
    view_.filter = filter;
    refresh();
}

void TfrmARInvoices::setOrder(RegisterOrder order)
{
    view_.order = order;
    refresh();
}

TfrmARInvoice* TfrmARInvoices::openInvoiceWindow()
{
    auto* window = new TfrmARInvoice(db_, lookups_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setOpenCustomerList(openCustomerList);
    connect(window, &TfrmARInvoice::invoiceStored, this, [this](qint64 id) {
        refresh();
        moveTo(id);
    });
    connect(window, &QObject::destroyed, this, [this] { refresh(); });
    return window;
}

void TfrmARInvoices::newInvoice()
{
    TfrmARInvoice* window = openInvoiceWindow();
    window->openNew();
    window->show();
}

void TfrmARInvoices::editInvoice()
{
    const qint64 id = currentInvoiceId();
    if (id == 0) {
        newInvoice();
        return;
    }
    TfrmARInvoice* window = openInvoiceWindow();
    if (!window->openExisting(id)) {
        delete window;
        refresh();
        return;
    }
    window->show();
}

void TfrmARInvoices::deleteSelectedInvoice()
{
    const qint64 id = currentInvoiceId();
    if (id == 0)
        return;
    try {
        if (::deleteSelectedInvoice(db_, dialogs_, id) != DeleteOutcome::Abandoned)
            refresh();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARInvoices::deleteByDate()
{
    TFormSelectDeleteDate choose(this);
    if (choose.exec() != QDialog::Accepted)
        return;
    try {
        const DateDeletion done = deleteInvoicesOfDate(db_, dialogs_, choose.selectedDate(),
                                                       userName ? userName() : QString());
        if (done.outcome == DeleteOutcome::Deleted)
            refresh();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARInvoices::copyInvoice()
{
    const qint64 id = currentInvoiceId();
    if (id == 0)
        return;
    std::unique_ptr<InvoiceDocument> copy;
    try {
        copy = ::copyInvoice(db_, dialogs_, id);
    } catch (const InvoiceRefusal& refusal) {
        dialogs_.inform(Dialogs::Kind::Error, refusal.message());
        return;
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return;
    }
    if (!copy) {
        refresh();
        return;
    }
    TfrmARInvoice* window = openInvoiceWindow();
    window->openCopy(std::move(copy), kCopiedCaption);
    window->show();
}

void TfrmARInvoices::find()
{
    TfrmARInvoicesFind dialog(db_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto found = findInvoice(db_, dialogs_, view_, dialog.request()))
        moveTo(*found);
}

void TfrmARInvoices::post()
{
    if (openPosting && openPosting())
        refresh();
}

void TfrmARInvoices::filter()
{
    filterDialog_->reload();
    if (filterDialog_->exec() == QDialog::Accepted)
        setFilter(filterDialog_->filter());
    else
        refresh();
}

void TfrmARInvoices::showPayments()
{
    if (!payments_) {
        payments_ = new TfrmARInvoicePayments(db_, this);
        payments_->setAttribute(Qt::WA_DeleteOnClose);
    }
    payments_->showInvoice(currentInvoiceId());
    payments_->show();
    payments_->raise();
}

bool TfrmARInvoices::printerReady()
{
    if (PrinterDefined())
        return true;
    dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
    return false;
}

void TfrmARInvoices::printSelectedInvoice()
{
    const RegisterRow* row = currentRow();
    if (!row || !printerReady())
        return;
    TfrmARInvoicesPrint dialog(db_, directory_, this);
    dialog.qryARInv().selectOneInvoice(row->invoiceId);
    dialog.OpenQuery();
    dialog.setWindowTitle(printSelectedCaption(row->invoiceNo, row->printed));
    dialog.exec();
    refresh();
}

void TfrmARInvoices::printUnprintedInvoices()
{
    if (!printerReady())
        return;
    TfrmARInvoicesPrint dialog(db_, directory_, this);
    dialog.exec();
    refresh();
}

void TfrmARInvoices::printList()
{
    if (!printerReady())
        return;
    try {
        // Read again with the list's own view, so the paper shows what the grid shows now.
        auto list =
            std::make_shared<TrptARInvoices>(readRegister(db_, view_), QDate::currentDate());
        previewListReport(
            this, [list](report::PageSink& sink) { list->print(sink); }, TrptARInvoices::title(),
            dialogs_);
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARInvoices::printListInTimePeriod(reports::TimePeriodList list)
{
    if (printerReady())
        previewTimePeriodList(this, list, directory_, db_, dialogs_);
}

void TfrmARInvoices::printSetup()
{
    TfrmARInvoiceSetup setup(db_, this);
    setup.exec();
}

void TfrmARInvoices::closeEvent(QCloseEvent* event)
{
    if (payments_)
        payments_->close();
    // Closing offers posting when there is something to post and posting is not suppressed.
    try {
        if (openPosting && offersPostingOnClose(db_))
            openPosting();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    QWidget::closeEvent(event);
}

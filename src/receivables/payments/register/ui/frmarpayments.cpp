#include "receivables/payments/register/ui/frmarpayments.h"

#include "common/printercheck.h"
#include "common/ui/fontfactor.h"
#include "engine/dberror.h"
#include "receivables/listing/ui/registerwindowparts.h"
#include "receivables/payments/register/paymentcolumns.h"
#include "receivables/payments/register/paymentdelete.h"
#include "receivables/payments/register/paymentfind.h"
#include "receivables/payments/register/paymentreconcile.h"
#include "receivables/payments/register/paymentregisterstate.h"
#include "receivables/payments/register/ui/frmarpaymentsfilter.h"
#include "receivables/payments/register/ui/frmarpaymentsfind.h"
#include "receivables/payments/register/ui/paymentregistermodel.h"
#include "reports/registerlists/trptarpayments.h"
#include "reports/registerlists/ui/listpreview.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QUrl>
#include <memory>

TfrmARPayments::TfrmARPayments(Database& db, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARPayments"));
    sendMail = [](const QString& address) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    };
    model_ = new PaymentRegisterModel(this);
    grdPayments = makeRegisterGrid(this, "grdPayments", model_);
    connect(grdPayments, &QTableView::doubleClicked, this, [this] { editPayment(); });
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    filterDialog_ = new TfrmARPaymentsFilter(db_, this);

    buildActions();
    buildMenusAndButtons();
    connect(grdPayments->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateCommands(); });
    resize(860, 520);
    refresh();
    applyFontFactor(this);
}

TfrmARPayments::~TfrmARPayments() = default;

void TfrmARPayments::buildActions()
{
    const auto action = [this](const char* name, const QString& text,
                               const QKeySequence& keys = {}) {
        return windowAction(this, name, text, keys);
    };
    actNew = action("actNew", QStringLiteral("&New"), QKeySequence(Qt::Key_Insert));
    actEdit = action("actEdit", QStringLiteral("&Edit"), QKeySequence(Qt::Key_Return));
    actDelete = action("actDelete", QStringLiteral("&Delete"));
    actFind = action("actFind", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    actPost = action("actPost", QStringLiteral("&Post..."));
    mnuReconciled = action("mnuReconciled", QStringLiteral("Re&conciled"));
    mnuReconciled->setCheckable(true);
    mnuOutstanding = action("mnuOutstanding", QStringLiteral("&Outstanding"),
                            QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOutstanding->setCheckable(true);
    mnuFilter = action("mnuFilter", QStringLiteral("F&ilter..."));
    mnuFilter->setCheckable(true);
    actSortDate = action("actSortDate", QStringLiteral("&Date"));
    actSortCheque = action("actSortCheque", QStringLiteral("&Cheque no."));
    actSortDate->setCheckable(true);
    actSortCheque->setCheckable(true);
    actSortDate->setChecked(true);
    actCustomer = action("actCustomer", QStringLiteral("C&ustomer"));
    actRefresh = action("actRefresh", QStringLiteral("&Refresh"), QKeySequence(Qt::Key_F5));
    actPhone = action("actPhone", QStringLiteral("P&hone"));
    actEMail = action("actEMail", QStringLiteral("E-&Mail"));
    actPrintFiltered = action("actPrintFiltered", QStringLiteral("&Filtered List..."));
    actPrintByDate = action("actPrintByDate", QStringLiteral("by &Date"));
    actPrintById = action("actPrintById", QStringLiteral("by &ID"));

    connect(actNew, &QAction::triggered, this, &TfrmARPayments::newPayment);
    connect(actEdit, &QAction::triggered, this, &TfrmARPayments::editPayment);
    connect(actDelete, &QAction::triggered, this, &TfrmARPayments::deletePayment);
    connect(actFind, &QAction::triggered, this, &TfrmARPayments::find);
    connect(actPost, &QAction::triggered, this, &TfrmARPayments::post);
    connect(mnuReconciled, &QAction::triggered, this, &TfrmARPayments::toggleReconciled);
    connect(mnuOutstanding, &QAction::triggered, this, &TfrmARPayments::setOutstanding);
    connect(mnuFilter, &QAction::triggered, this, [this] {
        mnuFilter->setChecked(view_.filter.narrows());
        filter();
    });
    connect(actSortDate, &QAction::triggered, this,
            [this] { setOrder(PaymentOrder::DateNewestFirst); });
    connect(actSortCheque, &QAction::triggered, this, [this] { setOrder(PaymentOrder::ChequeNo); });
    connect(actCustomer, &QAction::triggered, this, [this] {
        if (const PaymentRow* row = currentRow(); row && row->customerId && openCustomerList)
            openCustomerList(*row->customerId);
    });
    connect(actRefresh, &QAction::triggered, this, &TfrmARPayments::refresh);
    connect(actPrintFiltered, &QAction::triggered, this, &TfrmARPayments::printFilteredList);
    connect(actPrintByDate, &QAction::triggered, this,
            [this] { printInTimePeriod(reports::TimePeriodList::PaymentsByDate); });
    connect(actPrintById, &QAction::triggered, this,
            [this] { printInTimePeriod(reports::TimePeriodList::PaymentsById); });
    connect(actPhone, &QAction::triggered, this, [this] {
        if (const PaymentRow* row = currentRow(); row && dial)
            dial(row->phone, row->customerName);
    });
    connect(actEMail, &QAction::triggered, this, [this] {
        if (const PaymentRow* row = currentRow(); row && sendMail)
            sendMail(row->email);
    });
}

void TfrmARPayments::buildMenusAndButtons()
{
    auto* menus = new QMenuBar(this);
    QMenu* payment = menus->addMenu(QStringLiteral("&Payment"));
    payment->addActions({actNew, actEdit, actDelete});
    payment->addSeparator();
    payment->addActions({mnuReconciled, actPost});
    QMenu* viewMenu = menus->addMenu(QStringLiteral("&View"));
    viewMenu->addActions({actFind, mnuOutstanding, mnuFilter});
    QMenu* sort = viewMenu->addMenu(QStringLiteral("&Sort by"));
    sort->addActions({actSortDate, actSortCheque});
    viewMenu->addSeparator();
    viewMenu->addActions({actCustomer, actPhone, actEMail});
    viewMenu->addSeparator();
    viewMenu->addAction(actRefresh);
    QMenu* print = menus->addMenu(QStringLiteral("P&rint"));
    print->addAction(actPrintFiltered);
    QMenu* period = print->addMenu(QStringLiteral("Payments in &time period"));
    period->addActions({actPrintByDate, actPrintById});

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({actNew, actEdit, actDelete});
    tools->addSeparator();
    tools->addActions({actFind, mnuOutstanding, mnuFilter, actRefresh});
    tools->addSeparator();
    tools->addActions({mnuReconciled, actPost});

    grdPayments->addActions({actEdit, actNew, actDelete, mnuReconciled, actCustomer});

    layOutRegister(this, menus, tools, grdPayments, lblStatus);
}

const PaymentRow* TfrmARPayments::currentRow() const
{
    return model_->rowAt(grdPayments->currentIndex().row());
}

qint64 TfrmARPayments::currentPaymentId() const
{
    const PaymentRow* row = currentRow();
    return row ? row->paymentId : 0;
}

bool TfrmARPayments::moveTo(qint64 paymentId)
{
    return moveToRow(grdPayments, model_->rowOf(paymentId));
}

void TfrmARPayments::refresh()
{
    const qint64 current = currentPaymentId();
    const int currentRowNumber = grdPayments->currentIndex().row();
    try {
        model_->setRows(readPayments(db_, view_));
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    settleRegisterGrid(grdPayments, model_->rowOf(current), currentRowNumber, paymentcolumns::Name);
    lblStatus->setText(QStringLiteral("%1 payment(s)").arg(model_->rowCount()));
    setWindowTitle(paymentRegisterCaption(view_.outstanding, view_.filter.narrows()));
    updateCommands();
}

void TfrmARPayments::updateCommands()
{
    const PaymentRow* row = currentRow();
    actNew->setEnabled(bool(openPayment));
    actEdit->setEnabled(bool(openPayment));
    actDelete->setEnabled(row && !row->posted);
    mnuReconciled->setEnabled(row != nullptr);
    mnuReconciled->setChecked(row && row->reconciled);
    actPost->setEnabled(bool(openPosting));
    // A customer since removed has no list entry to show.
    actCustomer->setEnabled(row && row->customerId && !row->customerNo.isEmpty() &&
                            bool(openCustomerList));
    actPhone->setEnabled(row && !row->phone.isEmpty() && bool(dial));
    actEMail->setEnabled(row && !row->email.isEmpty() && bool(sendMail));
    actPrintByDate->setEnabled(!templateDirectory.isEmpty());
    actPrintById->setEnabled(!templateDirectory.isEmpty());
    mnuOutstanding->setChecked(view_.outstanding);
    mnuFilter->setChecked(view_.filter.narrows());
    actSortDate->setChecked(view_.order == PaymentOrder::DateNewestFirst);
    actSortCheque->setChecked(view_.order == PaymentOrder::ChequeNo);
}

void TfrmARPayments::resetFilter()
{
    filterDialog_->reset();
    view_.filter = PaymentFilter();
    view_.outstanding = false;
    refresh();
}

void TfrmARPayments::setOutstanding(bool on)
{
    view_.outstanding = on;
    refresh();
}

void TfrmARPayments::setFilter(const PaymentFilter& filter)
{
    view_.filter = filter;
    refresh();
}

void TfrmARPayments::setOrder(PaymentOrder order)
{
    view_.order = order;
    refresh();
}

void TfrmARPayments::openPaymentWindow(std::optional<qint64> paymentId)
{
    if (openPayment)
        openPayment(paymentId);
}

void TfrmARPayments::showStoredPayment(qint64 paymentId)
{
    refresh();
    moveTo(paymentId);
}

void TfrmARPayments::newPayment()
{
    openPaymentWindow(std::nullopt);
}

void TfrmARPayments::editPayment()
{
    const qint64 id = currentPaymentId();
    openPaymentWindow(id == 0 ? std::nullopt : std::optional<qint64>(id));
}

void TfrmARPayments::deletePayment()
{
    const qint64 id = currentPaymentId();
    if (id == 0)
        return;
    try {
        if (::deletePayment(db_, dialogs_, id) != DeleteOutcome::Abandoned)
            refresh();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARPayments::find()
{
    TfrmARPaymentsFind dialog(db_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        if (const auto found = findPayment(db_, dialogs_, view_, dialog.request()))
            moveTo(*found);
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARPayments::post()
{
    if (openPosting && openPosting())
        refresh();
}

void TfrmARPayments::toggleReconciled()
{
    const qint64 id = currentPaymentId();
    if (id == 0)
        return;
    try {
        ::toggleReconciled(db_, id);
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    refresh();
}

void TfrmARPayments::filter()
{
    filterDialog_->reload();
    if (filterDialog_->exec() == QDialog::Accepted)
        setFilter(filterDialog_->filter());
    else
        refresh();
}

void TfrmARPayments::closeEvent(QCloseEvent* event)
{
    // Closing offers posting whenever a payment waits to be posted.
    try {
        if (openPosting && offersPaymentPostingOnClose(db_))
            openPosting();
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    QWidget::closeEvent(event);
}

bool TfrmARPayments::printerReady()
{
    if (PrinterDefined())
        return true;
    dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
    return false;
}

void TfrmARPayments::printFilteredList()
{
    if (!printerReady())
        return;
    try {
        // Read again with the list's own view, so the paper shows what the grid shows now.
        auto list = std::make_shared<TrptARPayments>(readPayments(db_, view_));
        previewListReport(
            this, [list](report::PageSink& sink) { list->print(sink); }, TrptARPayments::title(),
            dialogs_);
    } catch (const DbError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TfrmARPayments::printInTimePeriod(reports::TimePeriodList list)
{
    if (!templateDirectory.isEmpty() && printerReady())
        previewTimePeriodList(this, list, templateDirectory, db_, dialogs_);
}

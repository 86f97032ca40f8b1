#include "plugin/ui/paymentregister.h"

#include "data/datamodule.h"
#include "masterdata/codetables/codetables.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/codetablescreens.h"
#include "plugin/ui/customerlist.h"
#include "plugin/ui/phonedialer.h"
#include "plugin/ui/screenregistry.h"
#include "receivables/payments/posting/ui/frmarpaymentspost.h"
#include "receivables/payments/register/ui/frmarpayments.h"
#include "receivables/payments/ui/frmarpayment.h"

namespace
{
const QString kName = QStringLiteral("frmARPayments");

// The one place where the console lends the register its screens: the payment window
// (openPayment), the payment posting dialog (openPosting), the dialer (dial) and the customer
// list (openCustomerList) here. A hook left unset keeps its command disabled.
QWidget* makeRegister()
{
    ArProcess& process = arProcess();
    auto* payments = new TfrmARPayments(process.dataModule->database());
    payments->templateDirectory = process.dataModule->databaseDirectory();
    payments->openPayment = [payments](std::optional<qint64> paymentId) {
        ArProcess& process = arProcess();
        Database& db = process.dataModule->database();
        TfrmARPayment* window = paymentId
                                    ? TfrmARPayment::showExisting(db, *process.lookups, *paymentId)
                                    : TfrmARPayment::showNew(db, *process.lookups);
        if (!window)
            return;
        window->openCustomerList = openCustomerListAt;
        window->openBankList = [](qint64 bankId) {
            openCodeTableList(codetables::banks(),
                              bankId ? std::optional<qint64>(bankId) : std::nullopt);
        };
        window->updateListButtons();
        QObject::connect(window, &TfrmARPayment::paymentStored, payments,
                         &TfrmARPayments::showStoredPayment);
    };
    payments->openPosting = [payments] {
        TfrmARPaymentsPost dialog(arProcess().dataModule->database(), payments);
        return dialog.exec() == QDialog::Accepted;
    };
    payments->dial = dialPhone;
    payments->openCustomerList = openCustomerListAt;
    payments->updateCommands();
    return payments;
}
} // namespace

TfrmARPayments* paymentRegister(QWidget*)
{
    if (!arProcess().dataModule || !arProcess().lookups)
        return nullptr;
    return qobject_cast<TfrmARPayments*>(ensureScreen(kName, makeRegister));
}

void postFromPaymentRegister(QWidget* console)
{
    if (TfrmARPayments* payments = paymentRegister(console))
        payments->post();
}

void openPaymentRegister(QWidget*)
{
    if (!arProcess().dataModule || !arProcess().lookups)
        return;
    openOrBringForward(kName, makeRegister, [](QWidget* screen) {
        if (auto* payments = qobject_cast<TfrmARPayments*>(screen))
            payments->resetFilter();
    });
}

void printPaymentList(QWidget* console)
{
    if (TfrmARPayments* payments = paymentRegister(console))
        payments->printFilteredList();
}

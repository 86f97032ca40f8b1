#include "plugin/ui/paymentregister.h"

#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/screenregistry.h"
#include "receivables/payments/register/ui/frmarpayments.h"

namespace
{
const QString kName = QStringLiteral("frmARPayments");

// The one place where the console lends the register its screens: the payment window
// (openPayment), the payment posting dialog (openPosting), the customer list
// (openCustomerList) and the dialer (dial) are set here as each screen is joined in. A hook
// left unset keeps its command disabled.
QWidget* makeRegister()
{
    ArProcess& process = arProcess();
    auto* payments = new TfrmARPayments(process.dataModule->database());
    payments->updateCommands();
    return payments;
}
} // namespace

TfrmARPayments* paymentRegister(QWidget*)
{
    if (!arProcess().dataModule)
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
    if (!arProcess().dataModule)
        return;
    openOrBringForward(kName, makeRegister, [](QWidget* screen) {
        if (auto* payments = qobject_cast<TfrmARPayments*>(screen))
            payments->resetFilter();
    });
}

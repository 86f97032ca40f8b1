#include "plugin/ui/customerlist.h"

#include "data/datamodule.h"
#include "masterdata/customers/ui/frmcustomers.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/codetablescreens.h"
#include "plugin/ui/helptopics.h"
#include "plugin/ui/invoiceregister.h"
#include "plugin/ui/paymentregister.h"
#include "plugin/ui/phonedialer.h"
#include "plugin/ui/screenregistry.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/payments/register/ui/frmarpayments.h"

namespace
{
const QString kName = QStringLiteral("frmCustomers");

// The registers shown with their filter set to the one customer.
void showInvoicesOf(qint64 customerId)
{
    openInvoiceRegister(nullptr);
    if (TfrmARInvoices* invoices = invoiceRegister(nullptr)) {
        RegisterFilter filter;
        filter.customerId = customerId;
        invoices->setFilter(filter);
    }
}

void showPaymentsOf(qint64 customerId)
{
    openPaymentRegister(nullptr);
    if (TfrmARPayments* payments = paymentRegister(nullptr)) {
        PaymentFilter filter;
        filter.customerId = customerId;
        payments->setFilter(filter);
    }
}

QWidget* makeList()
{
    auto* customers = new TfrmCustomers(arProcess().dataModule->database());
    customers->openInvoices = showInvoicesOf;
    customers->openPayments = showPaymentsOf;
    customers->dial = [](const QString& phone) { dialPhone(phone, QString()); };
    customers->openCodeTable = openCodeTableNamed;
    customers->openHelp = [] { openHelpTopic(kHelpCustomers); };
    customers->updateCommands();
    return customers;
}

TfrmCustomers* shownUnfiltered()
{
    if (!arProcess().dataModule)
        return nullptr;
    return qobject_cast<TfrmCustomers*>(openOrBringForward(kName, makeList, [](QWidget* screen) {
        if (auto* customers = qobject_cast<TfrmCustomers*>(screen))
            customers->resetFilter();
    }));
}
} // namespace

void openCustomerList(QWidget*)
{
    shownUnfiltered();
}

void openCustomerListAt(qint64 customerId)
{
    if (TfrmCustomers* customers = shownUnfiltered(); customers && customerId != 0)
        customers->moveTo(customerId);
}

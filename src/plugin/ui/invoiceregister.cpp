#include "plugin/ui/invoiceregister.h"

#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/customerlist.h"
#include "plugin/ui/phonedialer.h"
#include "plugin/ui/screenregistry.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"

namespace
{
const QString kName = QStringLiteral("frmARInvoices");

QWidget* makeRegister()
{
    ArProcess& process = arProcess();
    auto* invoices = new TfrmARInvoices(process.dataModule->database(), *process.lookups,
                                        process.dataModule->databaseDirectory());
    invoices->userName = [] {
        return arProcess().dataModule ? arProcess().dataModule->CurrentUserName : QString();
    };
    invoices->openPosting = [invoices] {
        TfrmARInvoicesPost dialog(arProcess().dataModule->database(), invoices);
        return dialog.exec() == QDialog::Accepted;
    };
    invoices->dial = dialPhone;
    invoices->openCustomerList = openCustomerListAt;
    invoices->updateCommands();
    return invoices;
}
} // namespace

TfrmARInvoices* invoiceRegister(QWidget*)
{
    if (!arProcess().dataModule || !arProcess().lookups)
        return nullptr;
    return qobject_cast<TfrmARInvoices*>(ensureScreen(kName, makeRegister));
}

void postFromInvoiceRegister(QWidget* console)
{
    if (TfrmARInvoices* invoices = invoiceRegister(console))
        invoices->post();
}

void openInvoiceRegister(QWidget*)
{
    if (!arProcess().dataModule || !arProcess().lookups)
        return;
    openOrBringForward(kName, makeRegister, [](QWidget* screen) {
        if (auto* invoices = qobject_cast<TfrmARInvoices*>(screen))
            invoices->resetFilter();
    });
}

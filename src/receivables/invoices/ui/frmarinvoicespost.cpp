#include "receivables/invoices/ui/frmarinvoicespost.h"

#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/invoices/ui/invoicewindowopen.h"

TfrmARInvoicesPost::TfrmARInvoicesPost(Database& db, QWidget* parent)
    : PostingDialog(db, QStringLiteral("frmARInvoicesPost"), QStringLiteral("Post AR Invoices"),
                    {invoiceposting::countInvoicesToPost, invoiceposting::toBePostedText,
                     [](Database& db, Dialogs& dialogs, Progress& progress) {
                         InvoicePostingOptions options;
                         options.invoiceWindowOpen = invoiceWindowOpen();
                         return InvoicePostingRun(db, dialogs, progress).run(options).accepted();
                     }},
                    parent)
{
}

// tallywick post invoices: every printed invoice not yet posted made final and added to its
// customer's balance, as Post AR Invoices does. A table held by another job asks Retry or
// Cancel, answered by --yes (retry) or --no (cancel).
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "common/formats.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/invoices/posting/invoicestopost.h"

int runPostCommand(const QStringList& args, CliContext& context)
{
    if (args != QStringList{QStringLiteral("invoices")}) {
        context.err << "Usage: tallywick [--yes|--no] post invoices" << Qt::endl;
        return 2;
    }
    TDataModuleARSystem module(context.dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1; // the creation sequence's error is already on standard error
    Database& db = module.database();

    context.out << invoiceposting::toBePostedText(invoiceposting::countInvoicesToPost(db))
                << Qt::endl;
    ConsoleProgress console(context.err, context.dialogs);
    console.progress().setCaption(QStringLiteral("Posting invoice(s)"));
    const InvoicePostingResult result =
        InvoicePostingRun(db, console.dialogs, console.progress()).run();
    if (result.outcome == InvoicePostingOutcome::NothingToPost)
        return 0;
    context.out << "Posted " << result.posted << " invoice(s), " << formatCurrency(result.amount)
                << " added to the customers' balances." << Qt::endl;
    if (result.outcome == InvoicePostingOutcome::Stopped) {
        context.out << (result.waiting - result.posted)
                    << " invoice(s) stay unposted; post again once the error is put right."
                    << Qt::endl;
        return 1;
    }
    return 0;
}

// tallywick post invoices: every printed invoice not yet posted made final and added to its
// customer's balance, as Post AR Invoices does. tallywick post payments: every payment not yet
// posted applied to its invoices and taken off its customer's balance, as Post AR Payments
// does. A table held by another job asks Retry or Cancel, answered by --yes (retry) or --no
// (cancel).
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "common/formats.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "receivables/payments/posting/paymentstopost.h"

#include <optional>

namespace
{

int postInvoices(Database& db, Dialogs& dialogs, CliContext& context)
{
    context.out << invoiceposting::toBePostedText(invoiceposting::countInvoicesToPost(db))
                << Qt::endl;
    ConsoleProgress console(context.err, dialogs);
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

int postPayments(Database& db, Dialogs& dialogs, CliContext& context)
{
    context.out << paymentposting::toBePostedText(paymentposting::countPaymentsToPost(db))
                << Qt::endl;
    ConsoleProgress console(context.err, dialogs);
    console.progress().setCaption(QStringLiteral("Posting payment(s)"));
    const PaymentPostingResult result =
        PaymentPostingRun(db, console.dialogs, console.progress()).run();
    if (result.outcome == PaymentPostingOutcome::NothingToPost)
        return 0;
    context.out << "Posted " << result.posted << " payment(s), " << formatCurrency(result.amount)
                << " taken off the customers' balances." << Qt::endl;
    const int unposted = result.waiting - result.posted;
    if (unposted == 0)
        return 0;
    // The held-back cheques and the engine's error are already on standard error.
    context.out << unposted << " payment(s) stay unposted; post again once they are put right."
                << Qt::endl;
    return 1;
}

} // namespace

int runPostCommand(const QStringList& args, CliContext& context)
{
    const QStringList kinds{QStringLiteral("invoices"), QStringLiteral("payments")};
    const QStringList answers{QStringLiteral("--yes"), QStringLiteral("--no")};
    if (!kinds.contains(args.value(0)) || args.size() > 2 ||
        (args.size() == 2 && !answers.contains(args[1]))) {
        context.err << "Usage: tallywick post invoices|payments [--yes|--no]" << Qt::endl;
        return 2;
    }
    // An answer given after the command counts as one given before it.
    std::optional<ConsoleDialogs> ownAnswer;
    if (args.size() == 2)
        ownAnswer.emplace(context.out, context.err,
                          args[1] == answers[0] ? ConsoleDialogs::Answer::Yes
                                                : ConsoleDialogs::Answer::No);
    Dialogs& dialogs = ownAnswer ? static_cast<Dialogs&>(*ownAnswer) : context.dialogs;
    TDataModuleARSystem module(dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1; // the creation sequence's error is already on standard error
    Database& db = module.database();
    return args[0] == kinds[0] ? postInvoices(db, dialogs, context)
                               : postPayments(db, dialogs, context);
}

#pragma once
// A posting run: every printed, unposted invoice made final and added to its customer's
// balance, in one pass with no choice by the bookkeeper. The Invoices and Customer Balance
// tables stay locked for the whole pass so no other job changes them meanwhile.
//
// Everything the bookkeeper sees goes through Dialogs and Progress, so the posting dialog, the
// command line and the tests drive the same run.

#include "common/money.h"
#include "receivables/posting/postinglocks.h"

#include <QString>

class Database;
class Dialogs;
class Progress;

struct InvoicePostingOptions {
    // The invoice window is open somewhere in this program: nothing may be posted.
    bool invoiceWindowOpen = false;
};

enum class InvoicePostingOutcome {
    NothingToPost,     // no printed invoice waits to be posted
    InvoiceWindowOpen, // refused with the conflicting-program error
    Posted,            // every waiting invoice posted
    Stopped,           // the engine refused an invoice: those before it stay posted
};

struct InvoicePostingResult {
    InvoicePostingOutcome outcome = InvoicePostingOutcome::NothingToPost;
    int waiting = 0;   // the invoices selected once both tables were locked
    int posted = 0;    // of those, the invoices this pass posted
    Money amount;      // the sum of their amounts, added to the balances
    QString stoppedBy; // the engine's text when the pass stopped
    // The posting dialog closes with OK once the tables were locked, even when the pass
    // stopped, so that the register shows what was posted.
    bool accepted() const
    {
        return outcome == InvoicePostingOutcome::Posted ||
               outcome == InvoicePostingOutcome::Stopped;
    }
};

namespace invoiceposting
{
inline const QString kConflictingWindow =
    QStringLiteral("A conflicting program is running...\rPlease close 'AR Invoice' form");
inline const QString kInvoicesLocked =
    QStringLiteral("Unable to lock Invoices table... this table is being updated by another job.");
inline const QString& kBalancesLocked = posting::kBalancesLocked;
} // namespace invoiceposting

class InvoicePostingRun
{
public:
    InvoicePostingRun(Database& db, Dialogs& dialogs, Progress& progress);

    // Runs once over the invoices waiting now. When a table cannot be locked and the bookkeeper
    // cancels, LockError leaves with nothing posted and no table left locked. An engine failure
    // while posting is shown as an error and ends the pass (outcome Stopped); every invoice is
    // posted together with its balance or not at all, and running again finishes the work.
    InvoicePostingResult run(const InvoicePostingOptions& options = {});

private:
    Database& db_;
    Dialogs& dialogs_;
    Progress& progress_;
};

#pragma once
// A payment posting run: every unposted payment applied to the invoices it pays and taken off
// its customer's balance, in one pass with no choice by the bookkeeper. The Payments and
// Customer Balance tables stay locked for the whole pass so no other job changes them
// meanwhile; the invoices are changed row by row.
//
// Everything the bookkeeper sees goes through Dialogs and Progress, so the posting dialog, the
// command line and the tests drive the same run.

#include "common/money.h"
#include "receivables/payments/posting/paymentapplication.h"
#include "receivables/posting/postinglocks.h"

#include <QList>
#include <QString>

class Database;
class Dialogs;
class Progress;

struct PaymentPostingOptions {
    // A payment window is open somewhere in this program: nothing may be posted.
    bool paymentWindowOpen = false;
};

enum class PaymentPostingOutcome {
    NothingToPost,     // no payment waits to be posted
    PaymentWindowOpen, // refused with the conflicting-program error
    Posted,            // every waiting payment posted, or held back for correction
    Stopped,           // the engine refused a payment: those before it stay posted
};

struct PaymentPostingResult {
    PaymentPostingOutcome outcome = PaymentPostingOutcome::NothingToPost;
    int waiting = 0; // the payments selected once both tables were locked
    int posted = 0;  // of those, the payments this pass posted
    Money amount;    // what the balances fell by: payments, discounts and write-offs
    // Payments left unposted because a discount or write-off no longer settles its invoice.
    QList<paymentposting::HeldBackPayment> heldBack;
    QString stoppedBy; // the engine's text when the pass stopped
    // The posting dialog closes with OK once the tables were locked, even when the pass
    // stopped, so that the register shows what was posted.
    bool accepted() const
    {
        return outcome == PaymentPostingOutcome::Posted ||
               outcome == PaymentPostingOutcome::Stopped;
    }
};

namespace paymentposting
{
inline const QString kConflictingWindow =
    QStringLiteral("A conflicting program is running...\rPlease close 'AR Payment' form");
inline const QString kPaymentsLocked =
    QStringLiteral("Unable to lock Payments table... this table is being updated by another job.");
inline const QString& kBalancesLocked = posting::kBalancesLocked;
} // namespace paymentposting

class PaymentPostingRun
{
public:
    PaymentPostingRun(Database& db, Dialogs& dialogs, Progress& progress);

    // Runs once over the payments waiting now. When a table cannot be locked and the bookkeeper
    // cancels, LockError leaves with nothing posted and no table left locked. Payments held back
    // are named in one warning at the end of the pass. An engine failure while posting is shown
    // as an error and ends the pass (outcome Stopped); every payment is posted together with its
    // invoices and its balance or not at all, and running again finishes the work.
    PaymentPostingResult run(const PaymentPostingOptions& options = {});

private:
    Database& db_;
    Dialogs& dialogs_;
    Progress& progress_;
};

#include "receivables/payments/posting/paymentpostingrun.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/payments/posting/paymentpostingwriter.h"
#include "receivables/payments/posting/paymentstopost.h"
#include "receivables/posting/postinblocks.h"

using namespace paymentposting;

PaymentPostingRun::PaymentPostingRun(Database& db, Dialogs& dialogs, Progress& progress)
    : db_(db), dialogs_(dialogs), progress_(progress)
{
}

PaymentPostingResult PaymentPostingRun::run(const PaymentPostingOptions& options)
{
    PaymentPostingResult result;
    if (countPaymentsToPost(db_) == 0)
        return result;
    if (options.paymentWindowOpen) {
        dialogs_.inform(Dialogs::Kind::Error, kConflictingWindow);
        result.outcome = PaymentPostingOutcome::PaymentWindowOpen;
        return result;
    }

    const posting::PostingLocks locks(db_, dialogs_, QStringLiteral("ARPmt"), kPaymentsLocked);
    result.outcome = PaymentPostingOutcome::Posted;

    // Read under the locks: another workstation may have posted some since they were counted.
    const std::vector<qint64> keys = paymentsToPost(db_);
    result.waiting = int(keys.size());

    PaymentPostingWriter writer(db_);
    PaymentTally tally;
    const std::optional<QString> refusal =
        posting::postInBlocks(keys, PaymentPostingWriter::kBlockSize, progress_,
                              [&](std::span<const qint64> block) { writer.post(block, tally); });
    if (refusal) {
        result.outcome = PaymentPostingOutcome::Stopped;
        result.stoppedBy = *refusal;
    }
    result.posted = tally.payments;
    result.amount = tally.amount;
    result.heldBack = tally.heldBack;
    if (!result.heldBack.isEmpty())
        dialogs_.inform(Dialogs::Kind::Warning, heldBackText(result.heldBack));
    if (result.outcome == PaymentPostingOutcome::Stopped)
        dialogs_.inform(Dialogs::Kind::Error, result.stoppedBy);
    return result;
}

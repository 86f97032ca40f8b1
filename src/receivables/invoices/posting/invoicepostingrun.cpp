#include "receivables/invoices/posting/invoicepostingrun.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/invoices/posting/postingwriter.h"
#include "receivables/posting/postinblocks.h"
#include "receivables/posting/postinglocks.h"

using namespace invoiceposting;

InvoicePostingRun::InvoicePostingRun(Database& db, Dialogs& dialogs, Progress& progress)
    : db_(db), dialogs_(dialogs), progress_(progress)
{
}

InvoicePostingResult InvoicePostingRun::run(const InvoicePostingOptions& options)
{
    InvoicePostingResult result;
    if (countInvoicesToPost(db_) == 0)
        return result;
    if (options.invoiceWindowOpen) {
        dialogs_.inform(Dialogs::Kind::Error, kConflictingWindow);
        result.outcome = InvoicePostingOutcome::InvoiceWindowOpen;
        return result;
    }

    const posting::PostingLocks locks(db_, dialogs_, QStringLiteral("ARInv"), kInvoicesLocked);
    result.outcome = InvoicePostingOutcome::Posted;

    // Read under the locks: another workstation may have posted some since they were counted.
    const std::vector<qint64> keys = invoicesToPost(db_);
    result.waiting = int(keys.size());

    PostingWriter writer(db_);
    PostingTally tally;
    const std::optional<QString> refusal =
        posting::postInBlocks(keys, PostingWriter::kBlockSize, progress_,
                              [&](std::span<const qint64> block) { writer.post(block, tally); });
    if (refusal) {
        result.outcome = InvoicePostingOutcome::Stopped;
        result.stoppedBy = *refusal;
        dialogs_.inform(Dialogs::Kind::Error, *refusal);
    }
    result.posted = tally.invoices;
    result.amount = tally.amount;
    return result;
}

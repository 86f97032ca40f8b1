#include "receivables/invoices/posting/invoicepostingrun.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/invoices/posting/postingwriter.h"
#include "receivables/posting/postinglocks.h"

#include <algorithm>

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
    progress_.setRange(0, result.waiting);
    progress_.setValue(0);

    PostingWriter writer(db_);
    PostingTally tally;
    try {
        for (size_t first = 0; first < keys.size(); first += PostingWriter::kBlockSize) {
            const size_t count = std::min<size_t>(PostingWriter::kBlockSize, keys.size() - first);
            writer.post(std::span(keys).subspan(first, count), tally);
            progress_.setValue(int(first + count));
        }
    } catch (const DbError& e) {
        result.outcome = InvoicePostingOutcome::Stopped;
        result.stoppedBy = e.message();
        dialogs_.inform(Dialogs::Kind::Error, e.message());
    }
    result.posted = tally.invoices;
    result.amount = tally.amount;
    return result;
}

#include "billing/writebatch.h"

namespace billing
{

namespace
{
// Long enough to take the cost of a commit off each invoice, short enough that another
// workstation's write never waits noticeably.
constexpr qint64 kBatchMilliseconds = 200;
} // namespace

void WriteBatch::open()
{
    if (transaction_)
        return;
    transaction_.emplace(db_, Transaction::Mode::Write);
    opened_.start();
}

void WriteBatch::commitIfDue()
{
    if (transaction_ && opened_.elapsed() >= kBatchMilliseconds)
        commit();
}

void WriteBatch::commit()
{
    if (!transaction_)
        return;
    transaction_->commit();
    transaction_.reset();
}

} // namespace billing

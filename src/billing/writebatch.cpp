#include "billing/writebatch.h"

#include <QScopeGuard>
#include <exception>

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
    // The batch's transaction ends here whatever happens; a refusal still commits the units
    // before it.
    const auto end = qScopeGuard([this] { transaction_.reset(); });
    std::exception_ptr refusal;
    try {
        units_.write();
    } catch (...) {
        refusal = std::current_exception();
    }
    if (written_)
        written_(units_.unitsKept());
    transaction_->commit();
    if (refusal)
        std::rethrow_exception(refusal);
}

} // namespace billing

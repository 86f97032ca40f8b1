#pragma once
// How a posting pass writes a block of documents: the whole block in one transaction, or, when
// the engine refuses a statement, the block undone and its documents posted one by one in
// their own transactions, so that those before the refused one are kept and the refusal
// (DbError) names the document that caused it.

#include "engine/dberror.h"
#include "engine/transaction.h"

#include <span>

namespace posting
{

// `postBlock(keys, statementSize)` writes the documents of `keys` inside the transaction given
// it and returns their tally; a whole block names `blockSize` keys in each statement, a single
// document one. Adds to `tally` what was kept.
template <typename Tally, typename PostBlock>
void postBlockOrOneByOne(Database& db, std::span<const qint64> keys, int blockSize, Tally& tally,
                         PostBlock postBlock)
{
    if (keys.empty())
        return;
    const auto inOneTransaction = [&](std::span<const qint64> some) {
        Transaction transaction(db);
        const Tally posted = postBlock(some, some.size() == 1 ? 1 : blockSize);
        transaction.commit();
        tally += posted;
    };
    try {
        inOneTransaction(keys);
        return;
    } catch (const DbError&) {
        if (keys.size() == 1)
            throw;
    }
    for (const qint64 key : keys)
        inOneTransaction(std::span(&key, 1));
}

} // namespace posting

#pragma once
// Posting a block of invoices as one unit: each invoice still printed and unposted gets its
// Posted flag and the exchange rate of its customer's currency, and what it owes is added to its
// customer's balance (a customer without a balance row gets one), all in one transaction. An
// invoice another workstation posted meanwhile is left alone, so it is never counted twice.
//
// When the engine refuses the block, the block is undone and posted again invoice by invoice,
// each in a transaction of its own, up to the refused invoice: the invoices before it stay
// posted with their balances, the refused one and those after it stay unposted, and the
// refusal is raised.

#include "common/money.h"

#include <span>

class Database;

namespace invoiceposting
{

struct PostingTally {
    int invoices = 0;
    Money amount;
    PostingTally& operator+=(const PostingTally& other)
    {
        invoices += other.invoices;
        amount += other.amount;
        return *this;
    }
};

class PostingWriter
{
public:
    // Blocks of up to this many invoices go in one statement and one transaction.
    static constexpr int kBlockSize = 500;

    explicit PostingWriter(Database& db) : db_(db) {}
    // Posts a block of at most kBlockSize invoices and adds what it posted to `tally`, also
    // what it kept before a refusal; see above for a refusal.
    void post(std::span<const qint64> keys, PostingTally& tally);

private:
    PostingTally postBlock(std::span<const qint64> keys, int statementSize);

    Database& db_;
};

} // namespace invoiceposting

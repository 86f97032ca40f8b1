#include "receivables/invoices/posting/postingwriter.h"

#include "engine/database.h"
#include "engine/keyblocks.h"
#include "engine/transaction.h"
#include "receivables/posting/balancechanges.h"

#include <QMap>
#include <algorithm>

namespace invoiceposting
{

namespace
{

// Only rows still printed and unposted are taken, so an invoice another workstation posted
// meanwhile is neither posted again nor added to a balance twice. The rate is the one of the
// customer's currency at the moment of posting.
const QString kPostInvoices = QStringLiteral(
    "UPDATE ARInv SET Posted = true, ExchangeRate = (SELECT Cu.ExchangeRate FROM Customer C "
    "INNER JOIN Currency Cu ON Cu.CurrencyID = C.CurrencyID WHERE C.CustomerID = "
    "ARInv.CustomerID) WHERE ARInvoiceID IN (%1) AND Posted = false AND Printed = true AND "
    "CustomerID IN (SELECT CustomerID FROM Customer) RETURNING CustomerID, InvoiceAmount");
} // namespace

void PostingWriter::post(std::span<const qint64> keys, PostingTally& tally)
{
    if (keys.empty())
        return;
    try {
        tally += postInOneTransaction(keys);
        return;
    } catch (const DbError&) {
        if (keys.size() == 1)
            throw;
    }
    // The block is undone; post its invoices one by one up to the one the engine refuses.
    for (const qint64 key : keys)
        tally += postInOneTransaction(std::span(&key, 1));
}

PostingTally PostingWriter::postInOneTransaction(std::span<const qint64> keys)
{
    Transaction transaction(db_);
    const PostingTally tally = postBlock(keys, keys.size() == 1 ? 1 : kBlockSize);
    transaction.commit();
    return tally;
}

PostingTally PostingWriter::postBlock(std::span<const qint64> keys, int statementSize)
{
    Q_ASSERT(int(keys.size()) <= statementSize);
    PostingTally tally;
    // Per customer in key order, so that workstations change balance rows in the same order.
    QMap<qint64, Money> changes;
    {
        Statement s = db_.prepare(kPostInvoices.arg(sql::keyPlaceholders(statementSize)));
        sql::bindKeyBlock(s, keys, statementSize);
        s.exec();
        while (s.next()) {
            const Money amount = s.money(QStringLiteral("InvoiceAmount"));
            changes[s.integer(QStringLiteral("CustomerID"))] += amount;
            tally.amount += amount;
            ++tally.invoices;
        }
        s.finish();
    }
    posting::addToBalances(db_, changes);
    return tally;
}

} // namespace invoiceposting

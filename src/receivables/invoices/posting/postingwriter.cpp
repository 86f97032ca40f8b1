#include "receivables/invoices/posting/postingwriter.h"

#include "engine/database.h"
#include "engine/keyblocks.h"
#include "receivables/posting/balancechanges.h"
#include "receivables/posting/blockorone.h"

#include <QMap>
#include <algorithm>

namespace invoiceposting
{

namespace
{

// Only rows still printed and unposted are taken, so an invoice another workstation posted
// meanwhile is neither posted again nor added to a balance twice. The rate is the one of the
// customer's currency at the moment of posting. The balance grows by what the invoice owes,
// which is its amount unless a balance reset cleared it before it was posted.
const QString kPostInvoices = QStringLiteral(
    "UPDATE ARInv SET Posted = true, ExchangeRate = (SELECT Cu.ExchangeRate FROM Customer C "
    "INNER JOIN Currency Cu ON Cu.CurrencyID = C.CurrencyID WHERE C.CustomerID = "
    "ARInv.CustomerID) WHERE ARInvoiceID IN (%1) AND Posted = false AND Printed = true AND "
    "CustomerID IN (SELECT CustomerID FROM Customer) RETURNING CustomerID, COALESCE(Owing, 0) AS "
    "Owing");
} // namespace

void PostingWriter::post(std::span<const qint64> keys, PostingTally& tally)
{
    posting::postBlockOrOneByOne(db_, keys, kBlockSize, tally,
                                 [this](std::span<const qint64> block, int statementSize) {
                                     return postBlock(block, statementSize);
                                 });
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
            const Money amount = s.money(QStringLiteral("Owing"));
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

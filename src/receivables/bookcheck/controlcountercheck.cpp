#include "receivables/bookcheck/controlcountercheck.h"

#include "engine/database.h"
#include "engine/dialect.h"
#include "receivables/invoices/invoicenumbering.h"

#include <functional>
#include <optional>

namespace
{

struct Counter {
    QString controlTable;
    QString counter;
    QString drawnTable;
    QString drawnColumn;
    QString what;         // "invoice key", as the texts name it
    bool textual = false; // drawn into a text column: only whole numbers there count
    std::function<qint64(std::optional<qint64>)> nextDrawn;
};

qint64 emptyIsZero(std::optional<qint64> counter)
{
    return counter.value_or(0);
}

qint64 emptyIsOne(std::optional<qint64> counter)
{
    return counter.value_or(1);
}

const QList<Counter>& counters()
{
    static const QList<Counter> list{
        {QStringLiteral("ARInvCtl"), QStringLiteral("NextInvoiceID"), QStringLiteral("ARInv"),
         QStringLiteral("ARInvoiceID"), QStringLiteral("invoice key"), false, emptyIsZero},
        {QStringLiteral("ARInvCtl"), QStringLiteral("NextInvoiceNo"), QStringLiteral("ARInv"),
         QStringLiteral("InvoiceNo"), QStringLiteral("invoice number"), true, usableInvoiceNumber},
        {QStringLiteral("CustCtl"), QStringLiteral("NextCustomerID"), QStringLiteral("Customer"),
         QStringLiteral("CustomerID"), QStringLiteral("customer key"), false, emptyIsOne},
        {QStringLiteral("ItemCtl"), QStringLiteral("NextItemID"), QStringLiteral("Item"),
         QStringLiteral("ItemID"), QStringLiteral("item key"), false, emptyIsZero},
        {QStringLiteral("ARPmtCtl"), QStringLiteral("NextPaymentID"), QStringLiteral("ARPmt"),
         QStringLiteral("PaymentID"), QStringLiteral("payment key"), false, emptyIsZero},
    };
    return list;
}

// The counter of the table's first row (empty when the table has none) and how many rows it has.
std::optional<qint64> readCounter(Database& db, const Counter& c, qint64& rows)
{
    Statement s = db.query(QStringLiteral("SELECT %1 FROM %2").arg(c.counter, c.controlTable));
    s.exec();
    std::optional<qint64> value;
    rows = 0;
    while (s.next()) {
        if (rows++ == 0 && !s.isNull(0))
            value = s.integer(0);
    }
    return value;
}

std::optional<qint64> highestDrawn(Database& db, const Counter& c)
{
    const QString column = c.textual ? db.dialect().integerOrNull(c.drawnColumn) : c.drawnColumn;
    Statement s = db.query(QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, c.drawnTable));
    s.exec();
    if (!s.next() || s.isNull(0))
        return std::nullopt;
    return s.integer(0);
}

} // namespace

BookDiscrepancies checkControlCounters(Database& db)
{
    BookDiscrepancies found;
    QStringList tablesCounted;
    for (const Counter& c : counters()) {
        qint64 rows = 0;
        const std::optional<qint64> counter = readCounter(db, c, rows);
        if (rows > 1 && !tablesCounted.contains(c.controlTable)) {
            tablesCounted << c.controlTable;
            found << BookDiscrepancy{BookDiscrepancy::Kind::Counter,
                                     QStringLiteral("%1 holds %2 rows; its counters belong in one")
                                         .arg(c.controlTable)
                                         .arg(rows)};
        }
        const std::optional<qint64> highest = highestDrawn(db, c);
        const qint64 next = c.nextDrawn(counter);
        if (highest && next <= *highest)
            found << BookDiscrepancy{
                BookDiscrepancy::Kind::Counter,
                QStringLiteral("The next %1, %2 (%3.%4 %5), is not above the highest in use, %6")
                    .arg(c.what)
                    .arg(next)
                    .arg(c.controlTable, c.counter,
                         counter ? QStringLiteral("is %1").arg(*counter)
                                 : QStringLiteral("is empty"))
                    .arg(*highest)};
    }
    return found;
}

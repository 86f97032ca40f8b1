#include "receivables/bookcheck/documentkeycheck.h"

#include "engine/database.h"

#include <QStringList>

namespace
{

struct TableKey {
    QString table;
    QStringList columns;
};

const QList<TableKey>& documentKeys()
{
    static const QList<TableKey> keys{
        {QStringLiteral("Customer"), {QStringLiteral("CustomerID")}},
        {QStringLiteral("CBalance"), {QStringLiteral("CustomerID")}},
        {QStringLiteral("Item"), {QStringLiteral("ItemID")}},
        {QStringLiteral("ARInv"), {QStringLiteral("ARInvoiceID")}},
        {QStringLiteral("ARInvDet"), {QStringLiteral("ARInvoiceID"), QStringLiteral("Seq")}},
        {QStringLiteral("ARPmt"), {QStringLiteral("PaymentID")}},
        {QStringLiteral("ARInvPmt"), {QStringLiteral("ARInvoiceID"), QStringLiteral("PaymentID")}},
    };
    return keys;
}

QString keyText(const Statement& s, int columns)
{
    QStringList parts;
    for (int i = 0; i < columns; ++i)
        parts << (s.isNull(i) ? QStringLiteral("empty") : s.text(i));
    return columns == 1 ? parts.first()
                        : QStringLiteral("(%1)").arg(parts.join(QStringLiteral(", ")));
}

} // namespace

BookDiscrepancies checkOrphanLines(Database& db)
{
    BookDiscrepancies found;
    Statement s =
        db.query(QStringLiteral("SELECT d.ARInvoiceID, COUNT(*) FROM ARInvDet d WHERE NOT EXISTS "
                                "(SELECT 1 FROM ARInv i WHERE i.ARInvoiceID = d.ARInvoiceID) "
                                "GROUP BY d.ARInvoiceID ORDER BY d.ARInvoiceID"));
    s.exec();
    while (s.next()) {
        const qint64 lines = s.integer(1);
        const QString invoice =
            s.isNull(0) ? QStringLiteral("no invoice key")
                        : QStringLiteral("invoice key %1, which does not exist").arg(s.integer(0));
        found << BookDiscrepancy{BookDiscrepancy::Kind::OrphanLine,
                                 QStringLiteral("%1 invoice line%2 with %3")
                                     .arg(lines)
                                     .arg(lines == 1 ? QString() : QStringLiteral("s"), invoice)};
    }
    return found;
}

BookDiscrepancies checkDuplicateInvoiceNumbers(Database& db)
{
    BookDiscrepancies found;
    Statement s = db.query(QStringLiteral("SELECT RTRIM(InvoiceNo), COUNT(*) FROM ARInv "
                                          "WHERE InvoiceNo IS NOT NULL GROUP BY RTRIM(InvoiceNo) "
                                          "HAVING COUNT(*) > 1 ORDER BY RTRIM(InvoiceNo)"));
    s.exec();
    while (s.next())
        found << BookDiscrepancy{
            BookDiscrepancy::Kind::DuplicateNumber,
            QStringLiteral("Invoice number %1 is on %2 invoices").arg(s.text(0)).arg(s.integer(1))};
    return found;
}

BookDiscrepancies checkDuplicateKeys(Database& db)
{
    BookDiscrepancies found;
    for (const TableKey& key : documentKeys()) {
        const QString columns = key.columns.join(QStringLiteral(", "));
        Statement s = db.query(QStringLiteral("SELECT %1, COUNT(*) FROM %2 GROUP BY %1 "
                                              "HAVING COUNT(*) > 1 ORDER BY %1")
                                   .arg(columns, key.table));
        s.exec();
        const int width = int(key.columns.size());
        while (s.next())
            found << BookDiscrepancy{BookDiscrepancy::Kind::DuplicateKey,
                                     QStringLiteral("%1 key %2 = %3 is on %4 rows")
                                         .arg(key.table, columns, keyText(s, width))
                                         .arg(s.integer(width))};
    }
    return found;
}

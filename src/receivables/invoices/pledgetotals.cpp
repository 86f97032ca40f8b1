#include "receivables/invoices/pledgetotals.h"

#include "engine/database.h"
#include "receivables/invoices/invoicelines.h"

QMap<qint64, Money> postedPledgeTotals(Database& db, const QString& condition)
{
    // The first letter compared exactly: a case-blind LIKE on one engine only would not do.
    QString sql = QStringLiteral(
        "SELECT D.ARInvoiceID, D.Quantity, D.UnitPrice FROM ARInv I INNER JOIN ARInvDet D ON "
        "D.ARInvoiceID = I.ARInvoiceID INNER JOIN Item T ON T.ItemID = D.ItemID WHERE I.Posted = "
        "true AND SUBSTR(T.ItemNo, 1, 1) = 'P'");
    if (!condition.isEmpty())
        sql += QStringLiteral(" AND (%1)").arg(condition);
    QMap<qint64, Money> totals;
    Statement s = db.query(sql);
    s.exec();
    while (s.next()) {
        InvoiceLine line;
        if (!s.isNull(QStringLiteral("Quantity")))
            line.quantity = s.real(QStringLiteral("Quantity"));
        if (!s.isNull(QStringLiteral("UnitPrice")))
            line.unitPrice = s.money(QStringLiteral("UnitPrice"));
        totals[s.integer(0)] += line.amountForTotals();
    }
    return totals;
}

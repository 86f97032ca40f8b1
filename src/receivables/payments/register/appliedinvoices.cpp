#include "receivables/payments/register/appliedinvoices.h"

#include "engine/database.h"

QHash<qint64, QList<AppliedInvoice>> appliedInvoices(Database& db)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT IP.PaymentID, I.InvoiceNo, IP.PaymentAmount, IP.DiscTakenAmount, "
        "IP.WriteOffAmount FROM ARInvPmt IP LEFT JOIN ARInv I ON I.ARInvoiceID = IP.ARInvoiceID "
        "ORDER BY IP.PaymentID, IP.Seq, IP.ARInvoiceID"));
    s.exec();
    QHash<qint64, QList<AppliedInvoice>> applied;
    while (s.next()) {
        applied[s.integer(QStringLiteral("PaymentID"))] << AppliedInvoice{
            s.text(QStringLiteral("InvoiceNo")), s.money(QStringLiteral("PaymentAmount")),
            s.money(QStringLiteral("DiscTakenAmount")), s.money(QStringLiteral("WriteOffAmount"))};
    }
    return applied;
}

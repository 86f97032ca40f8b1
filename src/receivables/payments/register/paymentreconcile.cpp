#include "receivables/payments/register/paymentreconcile.h"

#include "engine/database.h"

bool setReconciled(Database& db, qint64 paymentId, bool reconciled)
{
    Statement s =
        db.prepare(QStringLiteral("UPDATE ARPmt SET Reconciled = :on WHERE PaymentID = :id"));
    s.bind(QStringLiteral(":on"), reconciled).bind(QStringLiteral(":id"), paymentId).exec();
    return s.rowsAffected() > 0;
}

std::optional<bool> toggleReconciled(Database& db, qint64 paymentId)
{
    // One statement: another workstation's flip in between is not undone by a stale value.
    Statement s =
        db.prepare(QStringLiteral("UPDATE ARPmt SET Reconciled = NOT COALESCE(Reconciled, false) "
                                  "WHERE PaymentID = :id"));
    s.bind(QStringLiteral(":id"), paymentId).exec();
    if (s.rowsAffected() == 0)
        return std::nullopt;
    Statement now =
        db.prepare(QStringLiteral("SELECT Reconciled FROM ARPmt WHERE PaymentID = :id"));
    now.bind(QStringLiteral(":id"), paymentId).exec();
    return now.next() ? std::optional<bool>(now.boolean(0)) : std::nullopt;
}

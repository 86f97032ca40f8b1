#include "receivables/payments/paymentnumbering.h"

#include "engine/controlrow.h"

qint64 drawPaymentId(Database& db)
{
    qint64 paymentId = 0;
    editControlRow(db, QStringLiteral("ARPmtCtl"), [&paymentId](ControlRow& row) {
        paymentId = row.integer(QStringLiteral("NextPaymentID")).value_or(0);
        row.set(QStringLiteral("NextPaymentID"), paymentId + 1);
    });
    return paymentId;
}

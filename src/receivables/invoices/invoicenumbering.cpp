#include "receivables/invoices/invoicenumbering.h"

#include "engine/controlrow.h"

namespace
{
constexpr qint64 kLowestNumber = 1001;
constexpr qint64 kHighestNumber = 10000000;
constexpr qint64 kRestartNumber = 10001;
} // namespace

qint64 usableInvoiceNumber(std::optional<qint64> counter)
{
    const qint64 n = counter.value_or(0);
    return n < kLowestNumber || n > kHighestNumber ? kRestartNumber : n;
}

InvoiceKeys drawInvoiceKeys(Database& db)
{
    InvoiceKeys keys;
    editControlRow(db, QStringLiteral("ARInvCtl"), [&keys](ControlRow& row) {
        keys.invoiceId = row.integer(QStringLiteral("NextInvoiceID")).value_or(0);
        row.set(QStringLiteral("NextInvoiceID"), keys.invoiceId + 1);
        const qint64 number = usableInvoiceNumber(row.integer(QStringLiteral("NextInvoiceNo")));
        keys.invoiceNo = QString::number(number);
        row.set(QStringLiteral("NextInvoiceNo"), number + 1);
    });
    return keys;
}

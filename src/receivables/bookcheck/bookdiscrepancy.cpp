#include "receivables/bookcheck/bookdiscrepancy.h"

#include "common/formats.h"

QString bookAmount(Money amount, const FormatSettings& settings)
{
    return formatFloat(QStringLiteral("#,###,##0.00##"), amount, settings);
}

QString bookInvoiceName(qint64 invoiceId, const QString& invoiceNo)
{
    const QString number = invoiceNo.trimmed();
    return number.isEmpty() ? QStringLiteral("Invoice key %1 (no number)").arg(invoiceId)
                            : QStringLiteral("Invoice %1").arg(number);
}

BookDiscrepancies failuresOf(const BookDiscrepancies& found)
{
    BookDiscrepancies failures;
    for (const BookDiscrepancy& d : found) {
        if (!d.isNotice())
            failures << d;
    }
    return failures;
}

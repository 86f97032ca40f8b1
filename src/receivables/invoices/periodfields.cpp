#include "receivables/invoices/periodfields.h"

#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"

void checkGLPeriod(std::optional<int> period)
{
    if (period && (*period < 1 || *period > 12))
        throw InvoiceRefusal(invoicemsg::periodOutOfRange(*period), InvoiceField::Period);
}

std::optional<int> glYearFromEditText(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    bool digitsOnly = true;
    for (QChar c : typed)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    const int twoDigits = typed.toInt(&ok);
    if (!digitsOnly || !ok || twoDigits > 99)
        throw InvoiceRefusal(invoicemsg::kYearInvalid, InvoiceField::Year);
    return twoDigits < 50 ? 2000 + twoDigits : 1900 + twoDigits;
}

QString glYearEditText(std::optional<int> year)
{
    if (!year)
        return {};
    return QString::number(((*year % 100) + 100) % 100).rightJustified(2, QLatin1Char('0'));
}

#include "receivables/bookcheck/bookdiscrepancy.h"

#include "common/formats.h"

QString bookAmount(Money amount, const FormatSettings& settings)
{
    return formatFloat(QStringLiteral("#,###,##0.00##"), amount, settings);
}

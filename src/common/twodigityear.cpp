#include "common/twodigityear.h"

bool readTwoDigitYear(const QString& text, std::optional<int>& year)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        year.reset();
        return true;
    }
    bool digitsOnly = true;
    for (QChar c : typed)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    const int twoDigits = typed.toInt(&ok);
    if (!digitsOnly || !ok || twoDigits > 99)
        return false;
    year = twoDigits < 50 ? 2000 + twoDigits : 1900 + twoDigits;
    return true;
}

QString twoDigitYearText(std::optional<int> year)
{
    if (!year)
        return {};
    return QString::number(((*year % 100) + 100) % 100).rightJustified(2, QLatin1Char('0'));
}

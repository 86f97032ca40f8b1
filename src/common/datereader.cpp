// The platform-style reading of typed dates that invoice and payment date entry rely on.
#include "common/datereader.h"

#include "common/conversionerrors.h"

#include <QStringList>
#include <optional>

namespace
{

// A part of one to `maxDigits` ASCII digits, blanks around it ignored.
std::optional<int> numberPart(const QString& part, int maxDigits)
{
    const QString digits = part.trimmed();
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

std::optional<int> yearPart(const QString& part)
{
    const std::optional<int> year = numberPart(part, 4);
    if (year && part.trimmed().size() <= 2)
        return 1900 + *year;
    return year;
}

} // namespace

DateOrder dateOrderOf(const QString& shortDateFormat)
{
    const QChar first = shortDateFormat.isEmpty() ? QChar() : shortDateFormat.front().toUpper();
    if (first == QLatin1Char('D'))
        return DateOrder::DayMonthYear;
    if (first == QLatin1Char('Y'))
        return DateOrder::YearMonthDay;
    return DateOrder::MonthDayYear;
}

QDate readDate(const QString& text, const FormatSettings& settings)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || settings.dateSeparator.isEmpty())
        throw DateConversionError(text);
    const QStringList parts = trimmed.split(settings.dateSeparator);
    if (parts.size() != 2 && parts.size() != 3)
        throw DateConversionError(text);

    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
    const bool withYear = parts.size() == 3;
    switch (dateOrderOf(settings.shortDateFormat)) {
    case DateOrder::DayMonthYear:
        day = numberPart(parts.at(0), 2);
        month = numberPart(parts.at(1), 2);
        year = withYear ? yearPart(parts.at(2)) : QDate::currentDate().year();
        break;
    case DateOrder::YearMonthDay:
        if (withYear) {
            year = yearPart(parts.at(0));
            month = numberPart(parts.at(1), 2);
            day = numberPart(parts.at(2), 2);
        } else {
            year = QDate::currentDate().year();
            month = numberPart(parts.at(0), 2);
            day = numberPart(parts.at(1), 2);
        }
        break;
    case DateOrder::MonthDayYear:
        month = numberPart(parts.at(0), 2);
        day = numberPart(parts.at(1), 2);
        year = withYear ? yearPart(parts.at(2)) : QDate::currentDate().year();
        break;
    }
    if (!day || !month || !year)
        throw DateConversionError(text);
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        throw DateConversionError(text);
    return date;
}

// The century correction for typed invoice and payment dates.
#include "common/date2000.h"

#include "common/datereader.h"

#include <QStringList>

QDate Date2000(const QString& text, const FormatSettings& settings)
{
    const QString& separator = settings.dateSeparator;
    const auto joined = [&separator](const QStringList& parts) { return parts.join(separator); };

    // 29 February typed with the year 00: as 1900 it does not exist, so read it as 2000 at once.
    if (text == joined({QStringLiteral("02"), QStringLiteral("29"), QStringLiteral("00")}))
        return readDate(
            joined({QStringLiteral("02"), QStringLiteral("29"), QStringLiteral("2000")}), settings);
    if (text == joined({QStringLiteral("29"), QStringLiteral("02"), QStringLiteral("00")}))
        return readDate(
            joined({QStringLiteral("29"), QStringLiteral("02"), QStringLiteral("2000")}), settings);

    const QDate read = readDate(text, settings);
    int year = read.year();
    if (year >= 1900 && year <= 1949)
        year += 100;
    else if (year >= 2051)
        year -= 100;
    else
        return read;

    const QString day = QString::number(read.day());
    const QString month = QString::number(read.month());
    const QString yearText = QString::number(year);
    switch (dateOrderOf(settings.shortDateFormat)) {
    case DateOrder::DayMonthYear:
        return readDate(joined({day, month, yearText}), settings);
    case DateOrder::YearMonthDay:
        return readDate(joined({yearText, month, day}), settings);
    case DateOrder::MonthDayYear:
        break;
    }
    return readDate(joined({month, day, yearText}), settings);
}

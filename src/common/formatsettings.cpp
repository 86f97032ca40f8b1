// Reading the desktop's regional conventions into the settings that dates and amounts are
// written and read with, and the one set in force for the process.
#include "common/formatsettings.h"

#include <QLocale>

namespace
{

bool isDateLetter(QChar c)
{
    const QChar lower = c.toLower();
    return lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y');
}

// The locale's short date pattern reduced to day, month and year in the locale's order, with a
// four-digit year and '/' between the parts; the separator the locale writes goes to
// settings.dateSeparator. Leaves settings alone when the pattern lacks one of the parts.
void takeShortDate(const QString& pattern, FormatSettings& settings)
{
    QStringList parts;
    QString separator;
    bool inQuote = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            inQuote = !inQuote;
            ++i;
            continue;
        }
        if (!inQuote && isDateLetter(c)) {
            qsizetype run = 1;
            while (i + run < pattern.size() && pattern.at(i + run) == c)
                ++run;
            const QChar kind = c.toLower();
            if (kind == QLatin1Char('y'))
                parts << QStringLiteral("yyyy");
            else if (kind == QLatin1Char('d') && run <= 2)
                parts << QString(run, QLatin1Char('d'));
            else if (kind == QLatin1Char('m'))
                parts << QString(qMin<qsizetype>(run, 2), QLatin1Char('M'));
            i += run;
            continue;
        }
        if (separator.isEmpty() && !parts.isEmpty() && !c.isSpace() && !c.isLetter())
            separator = c;
        ++i;
    }
    if (parts.size() != 3)
        return;
    settings.shortDateFormat = parts.join(QLatin1Char('/'));
    settings.dateSeparator = separator.isEmpty() ? QStringLiteral("/") : separator;
}

void takeCurrency(const QLocale& locale, FormatSettings& settings)
{
    settings.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString sample = locale.toCurrencyString(1234.5);
    const qsizetype firstDigit = sample.indexOf(locale.toString(1));
    const qsizetype symbolAt =
        settings.currencySymbol.isEmpty() ? -1 : sample.indexOf(settings.currencySymbol);
    if (symbolAt >= 0 && firstDigit >= 0) {
        settings.currencySymbolBefore = symbolAt < firstDigit;
        const qsizetype between = settings.currencySymbolBefore
                                      ? symbolAt + settings.currencySymbol.size()
                                      : symbolAt - 1;
        settings.currencySymbolSpaced =
            between >= 0 && between < sample.size() && sample.at(between).isSpace();
    }
    const qsizetype point = sample.lastIndexOf(locale.decimalPoint());
    int decimals = 0;
    if (point >= 0) {
        for (qsizetype i = point + locale.decimalPoint().size();
             i < sample.size() && sample.at(i).isDigit(); ++i)
            ++decimals;
    }
    settings.currencyDecimals = decimals;
    settings.negativeCurrencyInParentheses =
        locale.toCurrencyString(-1.0).trimmed().startsWith(QLatin1Char('('));
}

} // namespace

FormatSettings FormatSettings::us()
{
    return FormatSettings();
}

FormatSettings FormatSettings::dayMonthYear()
{
    FormatSettings settings;
    settings.shortDateFormat = QStringLiteral("d/M/yyyy");
    return settings;
}

FormatSettings FormatSettings::fromLocale(const QLocale& locale)
{
    FormatSettings settings;
    if (locale.language() == QLocale::C || locale.name() == QLatin1String("C"))
        return settings;
    takeShortDate(locale.dateFormat(QLocale::ShortFormat), settings);
    takeCurrency(locale, settings);
    settings.decimalSeparator = locale.decimalPoint();
    settings.thousandsSeparator = locale.groupSeparator();
    settings.shortMonthNames.clear();
    for (int month = 1; month <= 12; ++month)
        settings.shortMonthNames << locale.monthName(month, QLocale::ShortFormat);
    settings.shortDayNames.clear();
    for (int day = 1; day <= 7; ++day)
        settings.shortDayNames << locale.dayName(day, QLocale::ShortFormat);
    return settings;
}

FormatSettings FormatSettings::fromSystemLocale()
{
    return fromLocale(QLocale::system());
}

FormatSettings& currentFormatSettings()
{
    static FormatSettings current = FormatSettings::fromSystemLocale();
    return current;
}

void setCurrentFormatSettings(const FormatSettings& settings)
{
    currentFormatSettings() = settings;
}

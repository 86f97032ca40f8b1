// How this workstation writes dates and amounts: the short date format with its separator, the
// currency symbol and its placement, decimals, separators and the short month and day names.
// Every date read from the user and every date or amount shown goes through one current set,
// taken from the desktop's regional settings.
#pragma once

#include <QString>
#include <QStringList>

class QLocale;

// A default-constructed set holds US conventions.
class FormatSettings
{
public:
    // Order and width of day, month and year, written with d, m and y (either case) and '/'
    // standing for dateSeparator: "M/d/yyyy", "dd/MM/yyyy", "yyyy/MM/dd".
    QString shortDateFormat = QStringLiteral("M/d/yyyy");
    QString dateSeparator = QStringLiteral("/");

    QString currencySymbol = QStringLiteral("$");
    int currencyDecimals = 2;
    bool currencySymbolBefore = true;
    // A blank between the symbol and the digits ("12,50 €").
    bool currencySymbolSpaced = false;
    // Credits shown as "($5.00)" rather than "-$5.00".
    bool negativeCurrencyInParentheses = true;

    QString decimalSeparator = QStringLiteral(".");
    // Empty for no grouping.
    QString thousandsSeparator = QStringLiteral(",");

    // January first (12 names).
    QStringList shortMonthNames = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    // Monday first (7 names), as QDate::dayOfWeek() counts.
    QStringList shortDayNames = {
        QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
        QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")};

    // US conventions: "M/d/yyyy" with '/', "$" before the amount with 2 decimals, credits in
    // parentheses, '.' and ',', English names.
    static FormatSettings us();
    // As us() but with the day first: "d/M/yyyy".
    static FormatSettings dayMonthYear();
    // The conventions of a locale, always with a four-digit year; the C locale has no
    // conventions of its own and gives us().
    static FormatSettings fromLocale(const QLocale& locale);
    static FormatSettings fromSystemLocale();
};

// The settings in force for this process; taken from the system locale on first use.
FormatSettings& currentFormatSettings();
void setCurrentFormatSettings(const FormatSettings& settings);

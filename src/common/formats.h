// The number and date patterns that lists, messages, invoices and reports show amounts and
// dates with, and the one formatter for each, so an amount or a date reads the same on every
// screen. Patterns keep their familiar notation ("#,###,##0.00#", "dd mmm yy").
#pragma once

#include "common/formatsettings.h"
#include "common/money.h"

#include <QDate>
#include <QLatin1String>
#include <QString>

// Amounts in lists and reports: grouped, two or three decimals, credits in parentheses.
inline constexpr QLatin1String kMoneyListFormat("#,###,##0.00#;(#,###,##0.00#)");
// Amounts quoted in messages: grouped, two or three decimals, credits with '-'.
inline constexpr QLatin1String kMoneyFormat("#,###,##0.00#");
// Unit prices: two to five decimals, no grouping.
inline constexpr QLatin1String kUnitPriceFormat("0.00###");

// Dates in lists: "05 Jan 24".
inline constexpr QLatin1String kListDateFormat("dd mmm yy");
// Delivery dates in line descriptions: "Fri 1/5/24".
inline constexpr QLatin1String kDeliveryDateFormat("ddd m/d/yy");
// The first day of a period in descriptions: "6/1".
inline constexpr QLatin1String kMonthDayFormat("m/d");
// The last day of a period in descriptions: "6/30/00".
inline constexpr QLatin1String kMonthDayYearFormat("m/d/yy");
// Dates in filters and files: "2024-01-05".
inline constexpr QLatin1String kIsoDateFormat("yyyy-mm-dd");

// A number written with a pattern of up to three sections separated by ';' (positive, negative,
// zero). In a section '0' is a digit always shown, '#' a digit shown when significant, '.' the
// place of the decimal separator and ',' anywhere asks for thousands separators; other
// characters before and after the digits are written as they stand. The value is rounded half
// away from zero to the decimals the section allows; trailing zeros beyond the '0' places are
// dropped. A negative value uses the negative section without a minus, or the first section
// with a leading '-'; a value that rounds to zero uses the zero section when there is one and
// never shows a minus. An empty negative or zero section falls back to the first one.
QString formatFloat(const QString& pattern, Money value,
                    const FormatSettings& settings = currentFormatSettings());
// Doubles are taken at 15 significant digits, so binary noise (1.005 held as 1.00499999...)
// does not decide the rounding.
QString formatFloat(const QString& pattern, double value,
                    const FormatSettings& settings = currentFormatSettings());

// An amount in the workstation's currency format: symbol and its place, the currency's
// decimals, thousands separators and the negative form ("$1,234.57", "($5.00)").
QString formatCurrency(Money value, const FormatSettings& settings = currentFormatSettings());
QString formatCurrency(Money value, int decimals,
                       const FormatSettings& settings = currentFormatSettings());

// A date written with a pattern: d, dd (day), ddd (short day name), ddddd (the short date
// format), m, mm (month), mmm (short month name), yy, yyyy (year); letters in either case;
// longer runs of d or m show the short names, as no long names are kept;
// '/' stands for the date separator; text in single or double quotes and any other character
// is written as it stands. An invalid date gives empty text.
QString formatDate(const QString& pattern, QDate date,
                   const FormatSettings& settings = currentFormatSettings());
// The date in the workstation's short date format.
QString shortDate(QDate date, const FormatSettings& settings = currentFormatSettings());

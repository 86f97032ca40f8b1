// Reading a date typed in the workstation's short date format, the way the desktop platform
// reads it: a two-digit year is taken as 19yy. Date2000 builds the century rule on top of this.
#pragma once

#include "common/formatsettings.h"

#include <QDate>
#include <QString>

// The order of day, month and year that a short date format writes, decided by its first
// letter in upper case: 'D' day-month-year, 'Y' year-month-day, anything else month-day-year.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
DateOrder dateOrderOf(const QString& shortDateFormat);

// Three parts (or two, meaning the current year) separated by the date separator, in the
// settings' order; day and month of one or two digits; a year of one or two digits is 1900 +
// the number, of three or four digits is taken as written. Blanks around the text and its parts
// are ignored. Throws DateConversionError for anything else and for dates that do not exist.
QDate readDate(const QString& text, const FormatSettings& settings = currentFormatSettings());

// Dates typed with a two-digit year on invoices and payments: the platform reads "45" as 1945,
// but billing dates belong to this century, so Date2000 moves them.
#pragma once

#include "common/formatsettings.h"

#include <QDate>
#include <QString>

// The date of `text` in the short date format. Years read as 1900 to 1949 move to 2000 to 2049,
// years from 2051 on move back a century; 1950 to 2050 and years before 1900 stay. "02/29/00"
// and "29/02/00" (with the settings' separator) are read as 29 February 2000. Throws
// DateConversionError when the text is not a date.
QDate Date2000(const QString& text, const FormatSettings& settings = currentFormatSettings());

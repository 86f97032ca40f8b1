#pragma once
// Years typed with two digits on the bookkeeping screens (document periods, the organization's
// fiscal year and period guards): 0..49 are 2000..2049, 50..99 are 1950..1999.

#include <QString>
#include <optional>

// The year typed as two digits; empty text is no year. Anything else is no year at all: false,
// and `year` is left as it was.
bool readTwoDigitYear(const QString& text, std::optional<int>& year);
// The last two digits of the year, as the year box is edited; empty for no year.
QString twoDigitYearText(std::optional<int> year);

#pragma once
// The accounting period of an invoice or a payment: GLPeriod (1..12) and GLYear, shown with
// four digits and typed with two. Each document raises these refusals as its own.

#include <QString>
#include <optional>

namespace accountingperiod
{
inline const QString kYearInvalid = QStringLiteral("Period invalid...\rEnter year as 2 digits");
// 13 is not a valid value for field 'Period'. The allowed range is 1 to 12
QString periodOutOfRange(int typed);

// The refusal of a period outside 1..12; empty when it may be kept (an empty period may).
QString periodRefusal(std::optional<int> period);

// The year typed as two digits: 0..49 are 2000..2049, 50..99 are 1950..1999, empty text is no
// year. Anything else is no year at all: false, and `year` is left as it was.
bool readTwoDigitYear(const QString& text, std::optional<int>& year);
// The last two digits of the year, as the year box is edited; empty for no year.
QString twoDigitYearText(std::optional<int> year);
} // namespace accountingperiod

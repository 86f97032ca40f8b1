#pragma once
// The accounting period of an invoice or a payment: GLPeriod (1..12) and GLYear, shown with
// four digits and typed with two. Each document raises these refusals as its own.

#include "common/twodigityear.h"

#include <QString>
#include <optional>

namespace accountingperiod
{
inline const QString kYearInvalid = QStringLiteral("Period invalid...\rEnter year as 2 digits");
// 13 is not a valid value for field 'Period'. The allowed range is 1 to 12
QString periodOutOfRange(int typed);

// The refusal of a period outside 1..12; empty when it may be kept (an empty period may).
QString periodRefusal(std::optional<int> period);

// The two-digit year of the bookkeeping screens (common/twodigityear.h).
using ::readTwoDigitYear;
using ::twoDigitYearText;
} // namespace accountingperiod

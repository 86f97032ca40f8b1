#pragma once
// The payment's year box: typed with two digits, shown with four (accountingperiod.h).

#include <QString>
#include <optional>

// The year typed as two digits; anything else is refused with "Period invalid..." (focus on the
// year).
std::optional<int> paymentGLYearFromEditText(const QString& text);

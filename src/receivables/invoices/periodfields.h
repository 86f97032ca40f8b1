#pragma once
// The accounting period of an invoice: GLPeriod (1..12) and GLYear, shown with four digits
// and typed with two.

#include <QString>
#include <optional>

// Refuses a period outside 1..12 (InvoiceRefusal, focus on the period); empty is allowed.
void checkGLPeriod(std::optional<int> period);
// The year typed as two digits: 0..49 are 2000..2049, 50..99 are 1950..1999, empty text is no
// year. Anything else is refused with "Period invalid...".
std::optional<int> glYearFromEditText(const QString& text);
// The last two digits of the year, as the year box is edited; empty for no year.
QString glYearEditText(std::optional<int> year);

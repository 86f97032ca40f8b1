#pragma once
// The organization's six year boxes: each is typed as two digits (0..49 are 2000..2049, 50..99
// are 1950..1999), empty text clears it, and anything else is refused with the box's own message.

#include "masterdata/company/companyrefusal.h"

#include <optional>

// The year the text stands for; throws CompanyRefusal naming the box.
std::optional<int> companyYearFromText(CompanyField field, const QString& text);

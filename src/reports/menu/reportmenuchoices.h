#pragma once
// What the report menu hands the report it starts: the selection the aged trial balance,
// statements and labels print, and the accounting period the history lists.
#include "reports/reportselection.h"

namespace reports
{

struct ReportMenuChoices {
    ReportSelection selection;
    int period = 0; // 1..12
    int year = 0;   // four digits
};

} // namespace reports

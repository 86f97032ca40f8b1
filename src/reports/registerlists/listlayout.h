#pragma once
// The shape the register and customer lists share: the title, a line of column captions on
// every page, one line per row, a totals line under the money columns, and the print time and
// page number at the foot of each page. Each list names its columns; its rows carry the texts
// the columns print, and the raw amounts the totals add up.

#include "report/reportdefinition.h"

#include <QString>
#include <vector>

namespace reports
{

struct ListColumn {
    QString caption;
    QString field;   // the row's text for the column
    qreal width = 0; // points; 0 for the last column: to the right edge of the page
    bool right = false;
    bool wrap = false; // a long text runs onto further lines; the row grows with it
    // A money field (ten-thousandths) summed over the list and printed under the column.
    QString sumOf;
};

// The list `title` over the columns, left to right; `totalsCaption` heads the totals line,
// which prints when a column has a sum.
report::ReportDefinition listReport(const QString& title, const std::vector<ListColumn>& columns,
                                    const QString& totalsCaption = {});

} // namespace reports

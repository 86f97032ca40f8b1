#pragma once
// The pieces the printed reports share: money as the lists print it, money fields and their
// running totals, the centred title and the "Printed at … / Page n" foot of each page.

#include "common/money.h"
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/row.h"
#include "report/rowsource.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace reports
{

// An amount as the printed lists show it ("1,234.50", a credit "(12.00)").
QString moneyText(Money value);

// A money field of the row, to the right of its place; empty when the row leaves it empty.
report::Element moneyField(const QRectF& place, const QString& field);

// A date of the row as the printed lists show it.
report::Element dateField(const QRectF& place, const QString& field);

// The running total `total` so far, to the right of its place.
report::Element sumField(const QRectF& place, const QString& total);

// Adds up the money field over the rows (a row that leaves it empty is neither summed nor
// counted), starting again after each `resetAfterGroup` footer; -1 for the whole report.
report::RunningTotal runningTotal(const QString& name, const QString& field,
                                  int resetAfterGroup = -1);

// The report's title centred across `width` at the top of the band.
report::Element& addTitle(report::Band& band, qreal width);
// A report parameter's text (a selection or heading line) centred across `width` at `y`.
void addParameterLine(report::Band& band, const QString& parameter, qreal y, qreal width,
                      qreal lineHeight);

// The foot of every page: when it was printed on the left, the page number on the right.
void addPageFoot(report::Band& band, qreal width, qreal lineHeight);

// One row per item, each with all the `fields` (left empty unless `fill(row, item)` sets them).
template <typename Items, typename Fill>
report::ListRowSource rowsOf(const Items& items, const QStringList& fields, Fill fill)
{
    const report::Row blank(fields);
    std::vector<report::Row> rows;
    rows.reserve(items.size());
    for (const auto& item : items) {
        report::Row row = blank;
        fill(row, item);
        rows.push_back(std::move(row));
    }
    return report::ListRowSource(std::move(rows));
}

// Prints every page of the report over the rows into the sink; returns the number of pages.
int runReport(const report::ReportDefinition& definition, report::ListRowSource& rows,
              report::PageSink& sink, report::RunOptions options = {});

} // namespace reports

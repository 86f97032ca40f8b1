#pragma once
// The AR history: the invoices and cheques of one accounting period, grouped by customer, with
// the period's count and total of each.
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"
#include "reports/history/historylines.h"

#include <QHash>
#include <QString>

namespace reports
{

// The title's texts: the selection line and the period heading ("Period: 08/2001"). The names
// are those of the chosen currency and customer (empty when none is chosen).
QHash<QString, QString> historyHeadings(const HistorySelection& selection,
                                        const QString& currencyName, const QString& customerName);

report::ReportDefinition arHistory();

// The report's rows, one per document, in the lines' order.
report::ListRowSource historyRows(const std::vector<HistoryLine>& lines);

// Prints the report over the lines; returns the number of pages.
int printHistory(const std::vector<HistoryLine>& lines, report::PageSink& sink,
                 report::RunOptions options);
// Reads the period's documents and prints them.
int printHistory(Database& db, const HistorySelection& selection, report::PageSink& sink,
                 report::RunOptions options);

} // namespace reports

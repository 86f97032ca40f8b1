#pragma once
// The aged trial balance: the open invoices of each customer spread over four age columns, with
// customer totals, domestic totals where the customer's currency has an exchange rate, and the
// report's domestic totals.
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"
#include "reports/aged/agedlines.h"

#include <QHash>
#include <QString>
#include <vector>

namespace reports
{

// The title's texts: the two selection lines and the as-of heading. The names are those of the
// chosen currency and customer (empty when none is chosen).
QHash<QString, QString> agedHeadings(const AgedSelection& selection, const QString& currencyName,
                                     const QString& customerName);

report::ReportDefinition agedTrialBalance();

// The report's rows, one per line, in the lines' order.
report::ListRowSource agedRows(const std::vector<AgedLine>& lines);

// Prints the report over the lines; returns the number of pages.
int printAgedTrialBalance(const std::vector<AgedLine>& lines, report::PageSink& sink,
                          report::RunOptions options);

} // namespace reports

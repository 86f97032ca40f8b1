#pragma once
// The Unbilled Deliveries report: every meal credit of a generation run that produced no charge,
// grouped by reason, then by who would have been billed, then by client, with the quantity and,
// where the module could tell, the amount each would have billed. Subtotals close each group
// (a client's only when it has more than one line) and the report's totals close the report; a
// run that billed everything prints one line saying so.

#include "billing/unbilledstore.h"
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <QHash>
#include <QString>

namespace reports
{

inline const QString kUnbilledDeliveriesTitle = QStringLiteral("Unbilled Deliveries");
// The summary of a run with no unbilled meal credit.
inline const QString kNothingUnbilled =
    QStringLiteral("Every meal credit of the period was billed: no delivery went unbilled.");

// The title's texts: the period ("Period: 11/1/2026-11/30/2026") and when the run was ("Run
// of 12/1/2026 9:05 AM", "Preview run of ..." for a preview).
QHash<QString, QString> unbilledHeadings(const billing::UnbilledRun& run);

report::ReportDefinition unbilledDeliveries();

// The report's rows, one per meal credit, in the report's order.
report::ListRowSource unbilledRows(const QList<billing::UnbilledDelivery>& deliveries);

// Prints the run's report; returns the number of pages. The options' parameters are the run's
// headings.
int printUnbilledDeliveries(const billing::UnbilledRun& run, report::PageSink& sink,
                            const QDateTime& printedAt = QDateTime::currentDateTime());

} // namespace reports

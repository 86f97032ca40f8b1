#pragma once
// The registers' list reports on screen: the report in the preview window, from which it can
// be printed; and the time-period lists, whose period is asked first.

#include "report/ui/printeroutput.h"
#include "reports/registerlists/timeperiodlists.h"

#include <QString>

class Database;
class Dialogs;
class QWidget;

// The report in a new preview window of its own; an error of the report is shown instead.
void previewListReport(QWidget* parent, const report::ReportProducer& produce,
                       const QString& reportName, Dialogs& dialogs);

// Asks the period, then previews the list's template over it. Nothing when the dialog is
// cancelled or the template cannot be used (after its message).
void previewTimePeriodList(QWidget* parent, reports::TimePeriodList list, const QString& directory,
                           Database& db, Dialogs& dialogs);

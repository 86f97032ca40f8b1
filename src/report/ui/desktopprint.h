#pragma once
// A report sent to the printer from a menu: the print dialog over the desktop's printer (or,
// without one, over a new PDF file in the PDF folder), then the report with the copies and
// pages chosen. With neither a printer nor a PDF folder, the bookkeeper is told so.

#include "report/ui/printeroutput.h"

#include <QString>

class Dialogs;
class QWidget;

namespace report
{

// The pages printed; 0 when nothing was printed (no device, or the dialog cancelled). Errors of
// the printer or the report are shown through `dialogs`.
int printFromDesktop(QWidget* parent, const ReportProducer& produce, const QString& reportName,
                     Dialogs& dialogs);

} // namespace report

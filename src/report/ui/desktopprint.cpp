#include "report/ui/desktopprint.h"

#include "common/dialogs.h"
#include "common/printercheck.h"
#include "report/ui/outputdevice.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace report
{

int printFromDesktop(QWidget* parent, const ReportProducer& produce, const QString& reportName,
                     Dialogs& dialogs)
{
    const OutputDevice device = currentOutputDevice(reportName);
    if (device.kind == OutputDevice::Kind::None) {
        dialogs.inform(Dialogs::Kind::Error, kNoPrinterDefined);
        return 0;
    }
    QPrinter printer(QPrinter::HighResolution);
    directPrinterTo(printer, device);
    prepareReportPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    // A printer chosen in the dialog brings its own paper; the report is laid out for letter.
    prepareReportPrinter(printer);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const int pages = printReport(printer, produce, printRequestFrom(printer));
        QApplication::restoreOverrideCursor();
        if (device.kind == OutputDevice::Kind::PdfFile)
            dialogs.inform(Dialogs::Kind::Information,
                           QStringLiteral("Printed to:\r\n") + printer.outputFileName());
        return pages;
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return 0;
    }
}

} // namespace report

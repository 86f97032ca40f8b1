#pragma once
// Where a print goes: the chosen or default printer, or, on a desktop without a printer, a new
// PDF file in the folder set up for reports, named after the report and the time it printed.

#include <QDateTime>
#include <QString>

class QPrinter;

namespace report
{

struct OutputDevice {
    enum class Kind { None, Printer, PdfFile };
    Kind kind = Kind::None;
    QString printerName; // Kind::Printer
    QString pdfFile;     // Kind::PdfFile: the full path of a file that does not exist yet
};

// The desktop's default printer, else the first printer installed; empty when there is none.
QString desktopPrinterName();

// Makes the printer check (PrinterDefined) and currentOutputDevice ask the desktop for its
// printer.
void useDesktopPrinter();

// A printer wins over the PDF folder; with neither there is nowhere to print.
OutputDevice chooseOutputDevice(const QString& printerName, const QString& pdfFolder,
                                const QString& reportName, const QDateTime& printedAt);
// The same, from the printer and PDF folder the printer check is given (PrinterDefined).
OutputDevice currentOutputDevice(const QString& reportName);

// "AR Invoices 2026-12-06 18-42-07.pdf" in `folder`; when that name is taken, " (2)", " (3)"
// and so on before the extension, so an earlier print is never overwritten. Characters a
// file name cannot hold are left out of the report name.
QString pdfFileFor(const QString& folder, const QString& reportName, const QDateTime& printedAt);

// Points the printer at the device: a named printer, or PDF output into the file.
void directPrinterTo(QPrinter& printer, const OutputDevice& device);

} // namespace report

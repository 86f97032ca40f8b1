// Whether reports and invoices have somewhere to go before a print action starts: the
// desktop's current printer or, where no printer is installed, a folder that receives PDF
// files. The printing layer supplies both answers, so the rules need no printing library.
#pragma once

#include <QString>
#include <functional>

// Shown when a report is asked for and there is nowhere to print it.
inline const QString kNoPrinterDefined =
    QStringLiteral("You do not have a default printer defined.\r\rTo preview or print reports a "
                   "printer must be defined, though not necessarily attached.");

// True when the printer source names a printer or the PDF folder source names a folder. Never
// throws: a source that throws counts as no printer (or no folder).
bool PrinterDefined();

// What the sources name now, trimmed; empty when a source is missing or throws. Printing
// decides its output device from these.
QString currentPrinterName();
QString configuredPdfOutputFolder();

// Where the current printer's name comes from. An empty function restores the default, which
// reports no printer.
void setPrinterNameSource(std::function<QString()> source);
// Where the configured PDF output folder comes from; empty (the default) when none.
void setPdfOutputFolderSource(std::function<QString()> source);

#include "reports/invoiceprint/ui/printerinvoiceoutput.h"

#include "report/ui/printeroutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoicelabelrows.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/userdefinedreports.h"

#include <QFileInfo>
#include <QPrinter>

PrinterInvoiceOutput::PrinterInvoiceOutput(QPrinter& printer, std::optional<int> copies,
                                           QString mailMergeFile, Dialogs& dialogs)
    : printer_(printer), copies_(copies), mailMergeFile_(std::move(mailMergeFile)),
      dialogs_(dialogs)
{
}

std::optional<PrinterChoice> PrinterInvoiceOutput::choosePrinter(const PrinterChoice& preset)
{
    PrinterChoice choice = preset;
    if (copies_)
        choice.copies = std::max(*copies_, 1);
    return choice;
}

void PrinterInvoiceOutput::printInvoices(PrintedInvoiceReader& invoices,
                                         const InvoiceOrganization& organization,
                                         const PrinterChoice& choice, Progress& progress)
{
    TrptARInvoiceAndStatement document(organization);
    report::PrintRequest request;
    request.copies = choice.copies;
    request.collate = choice.collate;
    invoicePages_ = report::printReport(
        printer_, [&](report::PageSink& sink) { document.print(invoices, sink, progress); },
        request);
}

void PrinterInvoiceOutput::printLabels(PrintedInvoiceReader& invoices, const QString& templateFile)
{
    InvoiceLabelRows rows(invoices.database(), invoices.keys());
    const QString folder = QFileInfo(templateFile).absolutePath();
    labelPages_ = report::printReport(
        printer_,
        [&](report::PageSink& sink) {
            rows.rewind();
            reports::printLabels(folder, dialogs_, rows, sink);
        },
        report::PrintRequest{});
}

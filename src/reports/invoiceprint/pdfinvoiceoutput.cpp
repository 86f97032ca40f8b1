#include "reports/invoiceprint/pdfinvoiceoutput.h"

#include "report/pdfoutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoicelabelrows.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/userdefinedreports.h"

#include <QFileInfo>

PdfInvoiceOutput::PdfInvoiceOutput(PdfInvoiceFiles files, std::optional<int> copies,
                                   Dialogs& dialogs)
    : files_(std::move(files)), copies_(copies), dialogs_(dialogs)
{
}

std::optional<PrinterChoice> PdfInvoiceOutput::choosePrinter(const PrinterChoice& preset)
{
    PrinterChoice choice = preset;
    if (copies_)
        choice.copies = *copies_;
    choice.copies = std::max(choice.copies, 1);
    return choice;
}

void PdfInvoiceOutput::printInvoices(PrintedInvoiceReader& invoices,
                                     const InvoiceOrganization& organization,
                                     const PrinterChoice& choice, Progress& progress)
{
    // A file holds collated sets: the whole batch once per copy.
    report::PdfOutput pdf(files_.invoices, TrptARInvoiceAndStatement::title());
    TrptARInvoiceAndStatement document(organization);
    for (int copy = 0; copy < std::max(choice.copies, 1); ++copy)
        invoicePages_ += document.print(invoices, pdf, progress);
    pdf.finish();
}

void PdfInvoiceOutput::printLabels(PrintedInvoiceReader& invoices, const QString& templateFile)
{
    if (files_.labels.isEmpty())
        return;
    report::PdfOutput pdf(files_.labels, QStringLiteral("AR Labels"));
    InvoiceLabelRows rows(invoices.database(), invoices.keys());
    rows.rewind();
    labelPages_ = reports::printLabels(QFileInfo(templateFile).absolutePath(), dialogs_, rows, pdf)
                      .value_or(0);
    pdf.finish();
}

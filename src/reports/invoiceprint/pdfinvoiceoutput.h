#pragma once
// A print run's output into files: the invoices into one PDF (each copy of the batch after the
// other), the labels into another, the mail-merge file where asked. The command line uses it,
// and so does a desktop without a printer that has a PDF folder.

#include "reports/invoiceprint/invoiceprintoutput.h"

#include <QString>

class Dialogs;

struct PdfInvoiceFiles {
    QString invoices;
    QString labels;    // empty: no labels are printed
    QString mailMerge; // empty: the mail-merge file is not written
};

class PdfInvoiceOutput final : public InvoicePrintOutput
{
public:
    // `copies` replaces the organization's number of copies when given (0 or less prints one);
    // a label template that cannot be used is reported through `dialogs`.
    PdfInvoiceOutput(PdfInvoiceFiles files, std::optional<int> copies, Dialogs& dialogs);

    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) override;
    void printInvoices(PrintedInvoiceReader& invoices, const InvoiceOrganization& organization,
                       const PrinterChoice& choice, Progress& progress) override;
    void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) override;
    QString chooseMailMergeFile() override { return files_.mailMerge; }

    int invoicePages() const { return invoicePages_; }
    int labelPages() const { return labelPages_; }
    QString labelsFile() const { return files_.labels; }

private:
    PdfInvoiceFiles files_;
    std::optional<int> copies_;
    Dialogs& dialogs_;
    int invoicePages_ = 0;
    int labelPages_ = 0;
};

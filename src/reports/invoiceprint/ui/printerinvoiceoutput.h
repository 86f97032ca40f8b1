#pragma once
// A print run's output on a printer already chosen: the invoices with the copies asked for
// (collated sets, or the driver's own copies), the labels once, the mail-merge file where the
// caller says. The command line's --printer uses it, and so does the print dialog once the
// bookkeeper has picked a printer.

#include "reports/invoiceprint/invoiceprintoutput.h"

#include <QString>

class Dialogs;
class QPrinter;

class PrinterInvoiceOutput final : public InvoicePrintOutput
{
public:
    // `copies` replaces the copies the run offers when given; a label template that cannot be
    // used is reported through `dialogs`.
    PrinterInvoiceOutput(QPrinter& printer, std::optional<int> copies, QString mailMergeFile,
                         Dialogs& dialogs);

    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) override;
    void printInvoices(PrintedInvoiceReader& invoices, const InvoiceOrganization& organization,
                       const PrinterChoice& choice, Progress& progress) override;
    void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) override;
    QString chooseMailMergeFile() override { return mailMergeFile_; }

    int invoicePages() const { return invoicePages_; }
    int labelPages() const { return labelPages_; }

private:
    QPrinter& printer_;
    std::optional<int> copies_;
    QString mailMergeFile_;
    Dialogs& dialogs_;
    int invoicePages_ = 0;
    int labelPages_ = 0;
};

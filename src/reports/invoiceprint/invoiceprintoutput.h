#pragma once
// Where a print run's invoices, labels and mail-merge file go: the platform's print dialog and
// printer, the printed document, the label template and the file dialog. The screen implements
// it with the real dialogs and printer, the command line with its options and a PDF folder,
// the tests with a recording fake.

#include "reports/invoiceprint/invoiceorganization.h"

#include <QString>
#include <optional>

class PrintedInvoiceReader;
class Progress;

// What the print dialog came back with.
struct PrinterChoice {
    int copies = 1;
    bool collate = true;
};

class InvoicePrintOutput
{
public:
    virtual ~InvoicePrintOutput() = default;

    // The print dialog, opened with the copies and collation given; empty when cancelled.
    virtual std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) = 0;
    // Prints the whole batch on the chosen printer, as many copies as chosen: collated copies
    // print the batch once per copy; otherwise the printer makes the copies when it can.
    virtual void printInvoices(PrintedInvoiceReader& invoices,
                               const InvoiceOrganization& organization, const PrinterChoice& choice,
                               Progress& progress) = 0;
    // One label per invoice of the batch, printed with the user's label template.
    virtual void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) = 0;
    // Where the mail-merge file goes (mailmerge.h has the dialog's texts); empty when cancelled.
    virtual QString chooseMailMergeFile() = 0;
};

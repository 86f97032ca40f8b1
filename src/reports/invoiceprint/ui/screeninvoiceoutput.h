#pragma once
// A print run's output on the desktop: the platform's print dialog and printer, or, where no
// printer is installed and a PDF folder is set up, new PDF files in that folder; the label
// template printed on the same device; the file dialog for the mail-merge file.

#include "reports/invoiceprint/invoiceprintoutput.h"

#include <QPrinter>
#include <QStringList>
#include <memory>

class Dialogs;
class QWidget;

class ScreenInvoiceOutput final : public InvoicePrintOutput
{
public:
    ScreenInvoiceOutput(QWidget* parent, Dialogs& dialogs, QString dataDirectory);
    ~ScreenInvoiceOutput() override;

    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) override;
    void printInvoices(PrintedInvoiceReader& invoices, const InvoiceOrganization& organization,
                       const PrinterChoice& choice, Progress& progress) override;
    void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) override;
    QString chooseMailMergeFile() override;

    // The PDF files written on a desktop without a printer, to tell the bookkeeper.
    QStringList pdfFiles() const { return pdfFiles_; }

private:
    QWidget* parent_;
    Dialogs& dialogs_;
    QString dataDirectory_;
    std::unique_ptr<QPrinter> printer_;
    // The printer or the PDF files the invoices and labels go to, once chosen.
    std::unique_ptr<InvoicePrintOutput> target_;
    QStringList pdfFiles_;
};

#include "reports/invoiceprint/ui/screeninvoiceoutput.h"

#include "common/dialogs.h"
#include "common/printercheck.h"
#include "report/pdfoutput.h"
#include "report/ui/printdialogsetup.h"
#include "report/ui/printeroutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoicelabelrows.h"
#include "reports/invoiceprint/mailmerge.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/userdefinedreports.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

namespace
{
// "Comma-Separated|*.csv|..." as a file dialog's filter list.
QString fileDialogFilters(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}
} // namespace

ScreenInvoiceOutput::ScreenInvoiceOutput(QWidget* parent, Dialogs& dialogs, QString dataDirectory)
    : parent_(parent), dialogs_(dialogs), dataDirectory_(std::move(dataDirectory))
{
}

ScreenInvoiceOutput::~ScreenInvoiceOutput() = default;

std::optional<PrinterChoice> ScreenInvoiceOutput::choosePrinter(const PrinterChoice& preset)
{
    device_ = report::currentOutputDevice(TrptARInvoiceAndStatement::title());
    if (device_.kind == report::OutputDevice::Kind::None) {
        dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
        return std::nullopt;
    }
    if (device_.kind == report::OutputDevice::Kind::PdfFile)
        return preset; // a file holds collated copies; there is no dialog to show
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    report::prepareReportPrinter(*printer_);
    report::directPrinterTo(*printer_, device_);
    printer_->setCopyCount(preset.copies);
    printer_->setCollateCopies(preset.collate);
    QPrintDialog dialog(printer_.get(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const report::PrintRequest request = report::printRequestFrom(*printer_);
    return PrinterChoice{request.copies, request.collate};
}

void ScreenInvoiceOutput::printInvoices(PrintedInvoiceReader& invoices,
                                        const InvoiceOrganization& organization,
                                        const PrinterChoice& choice, Progress& progress)
{
    TrptARInvoiceAndStatement document(organization);
    const auto produce = [&](report::PageSink& sink) { document.print(invoices, sink, progress); };
    if (device_.kind == report::OutputDevice::Kind::PdfFile) {
        report::PdfOutput pdf(device_.pdfFile, TrptARInvoiceAndStatement::title());
        for (int copy = 0; copy < std::max(choice.copies, 1); ++copy)
            produce(pdf);
        pdf.finish();
        pdfFiles_ << device_.pdfFile;
        return;
    }
    report::PrintRequest request = report::printRequestFrom(*printer_);
    request.copies = choice.copies;
    request.collate = choice.collate;
    report::printReport(*printer_, produce, request);
}

void ScreenInvoiceOutput::printLabels(PrintedInvoiceReader& invoices, const QString& templateFile)
{
    InvoiceLabelRows rows(invoices);
    const auto produce = [&](report::PageSink& sink) {
        rows.rewind();
        reports::printLabels(QFileInfo(templateFile).absolutePath(), dialogs_, rows, sink);
    };
    if (device_.kind == report::OutputDevice::Kind::PdfFile) {
        const QString file =
            report::pdfFileFor(QFileInfo(device_.pdfFile).absolutePath(),
                               QStringLiteral("AR Labels"), QDateTime::currentDateTime());
        report::PdfOutput pdf(file, QStringLiteral("AR Labels"));
        produce(pdf);
        pdf.finish();
        pdfFiles_ << file;
        return;
    }
    report::PrintRequest once;
    report::printReport(*printer_, produce, once);
}

QString ScreenInvoiceOutput::chooseMailMergeFile()
{
    QFileDialog dialog(parent_, mailmerge::kDialogTitle, dataDirectory_,
                       fileDialogFilters(mailmerge::kFilters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(mailmerge::kDefaultSuffix);
    dialog.selectFile(mailmerge::kDefaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

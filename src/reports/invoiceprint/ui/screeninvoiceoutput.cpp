#include "reports/invoiceprint/ui/screeninvoiceoutput.h"

#include "common/dialogs.h"
#include "common/printercheck.h"
#include "report/ui/outputdevice.h"
#include "report/ui/printeroutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/mailmerge.h"
#include "reports/invoiceprint/pdfinvoiceoutput.h"
#include "reports/invoiceprint/ui/printerinvoiceoutput.h"

#include <QDateTime>
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
    const report::OutputDevice device =
        report::currentOutputDevice(TrptARInvoiceAndStatement::title());
    if (device.kind == report::OutputDevice::Kind::None) {
        dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
        return std::nullopt;
    }
    if (device.kind == report::OutputDevice::Kind::PdfFile) {
        // No printer: the invoices and labels go to new files in the PDF folder, collated.
        const QString labels =
            report::pdfFileFor(QFileInfo(device.pdfFile).absolutePath(),
                               QStringLiteral("AR Labels"), QDateTime::currentDateTime());
        target_ = std::make_unique<PdfInvoiceOutput>(PdfInvoiceFiles{device.pdfFile, labels, {}},
                                                     std::nullopt, dialogs_);
        pdfFiles_ = {device.pdfFile};
        return target_->choosePrinter(preset);
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    report::directPrinterTo(*printer_, device);
    report::prepareReportPrinter(*printer_);
    printer_->setCopyCount(preset.copies);
    printer_->setCollateCopies(preset.collate);
    QPrintDialog dialog(printer_.get(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // A printer chosen in the dialog brings its own paper; the invoices are laid out for letter.
    report::prepareReportPrinter(*printer_);
    target_ = std::make_unique<PrinterInvoiceOutput>(*printer_, std::nullopt, QString(), dialogs_);
    const report::PrintRequest request = report::printRequestFrom(*printer_);
    return PrinterChoice{request.copies, request.collate};
}

void ScreenInvoiceOutput::printInvoices(PrintedInvoiceReader& invoices,
                                        const InvoiceOrganization& organization,
                                        const PrinterChoice& choice, Progress& progress)
{
    target_->printInvoices(invoices, organization, choice, progress);
}

void ScreenInvoiceOutput::printLabels(PrintedInvoiceReader& invoices, const QString& templateFile)
{
    target_->printLabels(invoices, templateFile);
    if (auto* files = dynamic_cast<PdfInvoiceOutput*>(target_.get()); files && files->labelPages())
        pdfFiles_ << files->labelsFile();
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

#include "reports/invoiceprint/invoiceprintrun.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/tablelock.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceprintoutput.h"
#include "reports/invoiceprint/mailmerge.h"
#include "reports/invoiceprint/printedflags.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/userdefinedreports.h"

#include <QFileInfo>

namespace invoiceprint
{

QString toBeUpdatedText(int batchSize)
{
    return QString::number(batchSize) + QStringLiteral(" invoice(s) to be updated");
}

} // namespace invoiceprint

using namespace invoiceprint;

InvoicePrintRun::InvoicePrintRun(Database& db, Dialogs& dialogs, Progress& progress,
                                 InvoicePrintOutput& output, const FormatSettings& settings)
    : db_(db), dialogs_(dialogs), progress_(progress), output_(output), settings_(settings)
{
}

InvoicePrintResult InvoicePrintRun::run(const InvoiceSelection& selection,
                                        const InvoicePrintOptions& options)
{
    InvoicePrintResult result;
    PrintedInvoiceReader invoices(db_, selection, settings_);
    const int batchSize = invoices.count();
    if (batchSize == 0)
        return result;
    if (options.invoiceWindowOpen) {
        dialogs_.inform(Dialogs::Kind::Error, kConflictingWindow);
        result.outcome = InvoicePrintOutcome::InvoiceWindowOpen;
        return result;
    }

    const InvoiceOrganization organization = readInvoiceOrganization(db_);
    const std::optional<PrinterChoice> printer =
        output_.choosePrinter({organization.options.copiesToPrint(), true});
    if (!printer) {
        result.outcome = InvoicePrintOutcome::PrinterNotChosen;
        return result;
    }

    TableLock lock(db_, QStringLiteral("ARInv"), dialogs_, kLockQuestion);
    progress_.setRange(0, batchSize);
    progress_.setValue(0);
    output_.printInvoices(invoices, organization, *printer, progress_);
    result.printed = batchSize;

    if (options.output == PrintOutputChoice::InvoicesAndLabels &&
        dialogs_.ask(Dialogs::Kind::Confirmation, kInsertLabels, Dialogs::Ok | Dialogs::Cancel) ==
            Dialogs::Ok) {
        const QString labelTemplate = reports::labelTemplatePath(options.dataDirectory);
        if (QFileInfo::exists(labelTemplate)) {
            invoices.rewind();
            output_.printLabels(invoices, labelTemplate);
        } else {
            dialogs_.inform(Dialogs::Kind::Warning, reports::missingTemplateText(labelTemplate));
        }
    } else if (options.output == PrintOutputChoice::InvoicesAndMailMerge) {
        const QString file = output_.chooseMailMergeFile();
        if (!file.isEmpty())
            mailmerge::writeFile(invoices, file);
    }

    result.outcome = InvoicePrintOutcome::Printed;
    if (options.reprint)
        return result;
    progress_.setCaption(toBeUpdatedText(batchSize));
    const bool printedOk = options.printedOk
                               ? *options.printedOk
                               : dialogs_.ask(Dialogs::Kind::Confirmation, kPrintedOkQuestion,
                                              Dialogs::Yes | Dialogs::No) == Dialogs::Yes;
    if (!printedOk) {
        result.outcome = InvoicePrintOutcome::NotConfirmed;
        return result;
    }
    progress_.setCaption(kUpdating);
    progress_.setValue(0);
    result.marked = markInvoicesPrinted(db_, invoices.keys(), progress_);
    return result;
}

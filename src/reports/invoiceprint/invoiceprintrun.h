#pragma once
// A print run: the batch of invoices printed on the chosen printer, the labels or the mail-merge
// file for the same invoices, and, once the bookkeeper confirms that the printout came out
// right, the invoices marked printed. The Invoices table stays locked for the whole run so that
// nobody changes an invoice while it prints and is marked.
//
// Everything the bookkeeper sees goes through Dialogs and Progress, and everything printed or
// written through InvoicePrintOutput, so the print dialog, the command line and the tests drive
// the same run.

#include "common/formatsettings.h"
#include "reports/invoiceprint/invoiceprintchoices.h"
#include "reports/userdefinedreports.h"

#include <QString>
#include <optional>

class Database;
class Dialogs;
class InvoicePrintOutput;
class InvoiceSelection;
class Progress;

struct InvoicePrintOptions {
    PrintOutputChoice output = PrintOutputChoice::InvoicesOnly;
    // A reprint (the dialog's caption begins with "Reprint") leaves the printed flags alone.
    bool reprint = false;
    // The invoice window is open somewhere in this program: nothing may print.
    bool invoiceWindowOpen = false;
    // The answer to "Did invoice(s) print OK?" when the caller knows it beforehand (the command
    // line); asked when empty.
    std::optional<bool> printedOk;
    // The folder of the database, where the label template ARLabel.rtm is kept.
    QString dataDirectory;
};

enum class InvoicePrintOutcome {
    NothingToPrint,    // the selection is empty
    InvoiceWindowOpen, // refused with the conflicting-program error
    PrinterNotChosen,  // the print dialog was cancelled: the print dialog stays open
    Printed,           // printed, and marked unless a reprint
    NotConfirmed,      // printed, but the printout was not confirmed: nothing marked
};

struct InvoicePrintResult {
    InvoicePrintOutcome outcome = InvoicePrintOutcome::NothingToPrint;
    int printed = 0; // the invoices of the batch sent to the printer
    int marked = 0;  // the invoices marked printed
    // The print dialog closes with OK only after a confirmed print or a reprint.
    bool accepted() const { return outcome == InvoicePrintOutcome::Printed; }
    bool keepsDialogOpen() const { return outcome == InvoicePrintOutcome::PrinterNotChosen; }
};

namespace invoiceprint
{
inline const QString kConflictingWindow =
    QStringLiteral("A conflicting program is running...\rPlease close 'AR Invoice' form");
inline const QString kLockQuestion =
    QStringLiteral("Unable to lock Invoices table... this table is being updated by another job.");
using reports::kInsertLabels;
inline const QString kPrintedOkQuestion = QStringLiteral("Did invoice(s) print OK?");
inline const QString kUpdating = QStringLiteral("Updating invoice(s)");
QString toBeUpdatedText(int batchSize);
} // namespace invoiceprint

class InvoicePrintRun
{
public:
    InvoicePrintRun(Database& db, Dialogs& dialogs, Progress& progress, InvoicePrintOutput& output,
                    const FormatSettings& settings = currentFormatSettings());

    // Runs once over the invoices the selection holds now. When the Invoices table cannot be
    // locked and the bookkeeper cancels, LockError leaves with nothing printed; an engine
    // failure while marking leaves every flag as it was.
    InvoicePrintResult run(const InvoiceSelection& selection, const InvoicePrintOptions& options);

private:
    Database& db_;
    Dialogs& dialogs_;
    Progress& progress_;
    InvoicePrintOutput& output_;
    FormatSettings settings_;
};

// tallywick print invoices: the unprinted invoices (or all, or one) printed to a PDF file or a
// printer, with labels and the mail-merge file when asked, as Print AR Invoices does; the
// invoices are marked printed only when told so.
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "common/printercheck.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "report/ui/printeroutput.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceprintrun.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/pdfinvoiceoutput.h"
#include "reports/invoiceprint/ui/printerinvoiceoutput.h"
#include "reports/userdefinedreports.h"

#include <QFileInfo>
#include <QPrinter>
#include <optional>

namespace
{

const char* const kUsage =
    "Usage: tallywick print invoices [--invoice NO] [--reprint] [--sort number|id|name]\n"
    "         (--pdf FILE | --printer NAME) [--copies N] [--labels-pdf FILE]\n"
    "         [--mail-merge FILE]\n"
    "         [--mark-printed yes|no]";

struct PrintRequest {
    QString invoiceNo;
    bool reprint = false;
    int sortOrder = InvoiceSelection::ByInvoiceNo;
    QString pdf;
    QString printer;
    std::optional<int> copies;
    QString labelsPdf;
    QString mailMerge;
    bool markPrinted = false;
};

QString readRequest(const QStringList& args, PrintRequest& r)
{
    if (args.value(0) != QLatin1String("invoices"))
        return QStringLiteral("Name what to print: tallywick print invoices.");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--reprint")) {
            r.reprint = true;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--invoice")) {
            r.invoiceNo = value;
        } else if (option == QLatin1String("--sort")) {
            const QStringList orders = {QStringLiteral("number"), QStringLiteral("id"),
                                        QStringLiteral("name")};
            r.sortOrder = int(orders.indexOf(value));
            if (r.sortOrder < 0)
                return QStringLiteral("--sort takes number, id or name, not %1.").arg(value);
        } else if (option == QLatin1String("--pdf")) {
            r.pdf = value;
        } else if (option == QLatin1String("--printer")) {
            r.printer = value;
        } else if (option == QLatin1String("--copies")) {
            bool ok = false;
            r.copies = value.toInt(&ok);
            if (!ok)
                return QStringLiteral("--copies takes a whole number, not %1.").arg(value);
        } else if (option == QLatin1String("--labels-pdf")) {
            r.labelsPdf = value;
        } else if (option == QLatin1String("--mail-merge")) {
            r.mailMerge = value;
        } else if (option == QLatin1String("--mark-printed")) {
            if (value != QLatin1String("yes") && value != QLatin1String("no"))
                return QStringLiteral("--mark-printed takes yes or no, not %1.").arg(value);
            r.markPrinted = value == QLatin1String("yes");
        } else {
            return QStringLiteral("Unknown option %1.").arg(option);
        }
    }
    if (!r.labelsPdf.isEmpty() && !r.mailMerge.isEmpty())
        return QStringLiteral("Use either --labels-pdf or --mail-merge, not both.");
    if (!r.pdf.isEmpty() && !r.printer.isEmpty())
        return QStringLiteral("Use either --pdf or --printer, not both.");
    return {};
}

// The labels question is answered by asking for labels; every other question goes to the
// console.
class PrintDialogs final : public Dialogs
{
public:
    explicit PrintDialogs(Dialogs& console) : console_(console) {}
    void inform(Kind kind, const QString& text) override { console_.inform(kind, text); }
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        if (text == invoiceprint::kInsertLabels)
            return Ok;
        return console_.ask(kind, text, buttons);
    }

private:
    Dialogs& console_;
};

// The invoices to one output, the labels and the mail-merge file to the other.
class SplitOutput final : public InvoicePrintOutput
{
public:
    SplitOutput(InvoicePrintOutput& invoices, InvoicePrintOutput& files)
        : invoices_(invoices), files_(files)
    {
    }
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) override
    {
        return invoices_.choosePrinter(preset);
    }
    void printInvoices(PrintedInvoiceReader& invoices, const InvoiceOrganization& organization,
                       const PrinterChoice& choice, Progress& progress) override
    {
        invoices_.printInvoices(invoices, organization, choice, progress);
    }
    void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) override
    {
        files_.printLabels(invoices, templateFile);
    }
    QString chooseMailMergeFile() override { return files_.chooseMailMergeFile(); }

private:
    InvoicePrintOutput& invoices_;
    InvoicePrintOutput& files_;
};

// The invoices the request names printed, the labels and the mail-merge file written, and the
// printed invoices marked.
int printInvoices(TDataModuleARSystem& module, const PrintRequest& request, CliContext& context)
{
    Database& db = module.database();

    InvoiceSelection selection;
    selection.setSortOrder(request.sortOrder);
    if (!request.invoiceNo.isEmpty()) {
        Statement find =
            db.prepare(QStringLiteral("SELECT ARInvoiceID FROM ARInv WHERE InvoiceNo = :no"));
        find.bind(QStringLiteral(":no"), request.invoiceNo).exec();
        if (!find.next()) {
            context.err << "There is no invoice " << request.invoiceNo << "." << Qt::endl;
            return 1;
        }
        selection.selectOneInvoice(find.integer(0));
    } else if (request.reprint) {
        selection.replaceSelectionLine(QStringLiteral("WHERE 1 = 1"));
    }

    PrintDialogs dialogs(context.dialogs);
    ConsoleProgress console(context.err, dialogs);
    // The labels and the mail-merge file always go to files; the invoices to the PDF file or
    // the printer.
    PdfInvoiceOutput files({request.pdf, request.labelsPdf, request.mailMerge}, request.copies,
                           console.dialogs);
    QPrinter printer(QPrinter::HighResolution);
    std::optional<PrinterInvoiceOutput> onPrinter;
    if (!request.printer.isEmpty()) {
        printer.setPrinterName(request.printer);
        report::prepareReportPrinter(printer);
        onPrinter.emplace(printer, request.copies, request.mailMerge, console.dialogs);
    }
    SplitOutput output(onPrinter ? static_cast<InvoicePrintOutput&>(*onPrinter) : files, files);
    InvoicePrintOptions options;
    options.output = !request.labelsPdf.isEmpty()   ? PrintOutputChoice::InvoicesAndLabels
                     : !request.mailMerge.isEmpty() ? PrintOutputChoice::InvoicesAndMailMerge
                                                    : PrintOutputChoice::InvoicesOnly;
    options.reprint = request.reprint;
    options.printedOk = request.markPrinted;
    options.dataDirectory = module.databaseDirectory();

    const int batch = selection.count(db);
    context.out << invoicesToBePrintedText(batch) << Qt::endl;
    console.progress().setCaption(QStringLiteral("Printing invoice(s)"));
    const InvoicePrintResult result =
        InvoicePrintRun(db, console.dialogs, console.progress(), output).run(selection, options);
    if (result.outcome == InvoicePrintOutcome::NothingToPrint)
        return 0;
    const int pages = onPrinter ? onPrinter->invoicePages() : files.invoicePages();
    context.out << "Printed " << result.printed << " invoice(s) on " << pages << " page(s) to "
                << (onPrinter ? request.printer : QFileInfo(request.pdf).absoluteFilePath())
                << Qt::endl;
    if (files.labelPages() > 0)
        context.out << "Labels: " << files.labelPages() << " page(s) to "
                    << QFileInfo(request.labelsPdf).absoluteFilePath() << Qt::endl;
    if (!request.mailMerge.isEmpty() && QFileInfo::exists(request.mailMerge))
        context.out << "Mail-merge file: " << QFileInfo(request.mailMerge).absoluteFilePath()
                    << Qt::endl;
    context.out << "Marked " << result.marked << " invoice(s) printed." << Qt::endl;
    return 0;
}

} // namespace

int runPrintCommand(const QStringList& args, CliContext& context)
{
    PrintRequest request;
    if (const QString wrong = readRequest(args, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    if (const std::optional<int> refused = refuseDestination(context, request.pdf, request.printer,
                                                             QStringLiteral("the invoices go")))
        return *refused;

    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        return printInvoices(module, request, context);
    });
}

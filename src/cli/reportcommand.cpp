// tallywick report aged: the aged trial balance as of a date to a PDF file or a printer, and
// when asked the lines it prints as a csv file for a spreadsheet.
#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/listoutput.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "report/pdfoutput.h"
#include "report/ui/printeroutput.h"
#include "reports/aged/agedtrialbalance.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace
{

const char* const kUsage =
    "Usage: tallywick report aged [--as-of DATE] [--currency ID] [--customer NO]\n"
    "         [--min-owing X] [--min-days N] (--pdf FILE | --printer NAME) [--csv FILE]";

struct AgedRequest {
    reports::AgedSelection selection;
    QString customerNo;
    QString pdf;
    QString printer;
    QString csv;
};

QString readRequest(const QStringList& args, AgedRequest& r)
{
    if (args.value(0) != QLatin1String("aged"))
        return QStringLiteral("Name the report: tallywick report aged.");
    r.selection.asOf = QDate::currentDate();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--as-of")) {
            if (QString wrong = readIsoDate(value, r.selection.asOf); !wrong.isEmpty())
                return wrong;
        } else if (option == QLatin1String("--currency")) {
            bool ok = false;
            r.selection.currencyId = value.toInt(&ok);
            if (!ok)
                return QStringLiteral("--currency takes a currency's number, not %1.").arg(value);
        } else if (option == QLatin1String("--customer")) {
            r.customerNo = value;
        } else if (option == QLatin1String("--min-owing")) {
            const std::optional<Money> amount = Money::tryFromHost(value);
            if (!amount || *amount < Money())
                return QStringLiteral("--min-owing takes an amount such as 100.00, not %1.")
                    .arg(value);
            r.selection.minOwing = *amount;
        } else if (option == QLatin1String("--min-days")) {
            bool ok = false;
            r.selection.minDays = value.toInt(&ok);
            if (!ok || r.selection.minDays < 0)
                return QStringLiteral("--min-days takes a whole number of days, not %1.")
                    .arg(value);
        } else if (option == QLatin1String("--pdf")) {
            r.pdf = value;
        } else if (option == QLatin1String("--printer")) {
            r.printer = value;
        } else if (option == QLatin1String("--csv")) {
            r.csv = value;
        } else {
            return QStringLiteral("Unknown option %1.").arg(option);
        }
    }
    if (!r.pdf.isEmpty() && !r.printer.isEmpty())
        return QStringLiteral("Use either --pdf or --printer, not both.");
    return {};
}

QString amountText(Money value)
{
    return value.toPlainString();
}

// One line per invoice line of the report, in its order; the age columns the line does not
// fall in are left empty, as on the report.
bool writeCsv(const QString& fileName, const std::vector<reports::AgedLine>& lines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    writeCsvLine(
        out, {QStringLiteral("CustomerNo"), QStringLiteral("InvoiceNo"),
              QStringLiteral("InvoiceDate"), QStringLiteral("Age"), QStringLiteral("InvoiceAmount"),
              QStringLiteral("Owing"), QStringLiteral("Current"), QStringLiteral("Over30"),
              QStringLiteral("Over60"), QStringLiteral("Over90"), QStringLiteral("OwingDomestic")});
    for (const reports::AgedLine& line : lines) {
        QStringList columns(4);
        columns[line.column] = amountText(line.owing);
        writeCsvLine(out,
                     QStringList{line.customerNo, line.invoiceNo,
                                 line.invoiceDate.toString(Qt::ISODate), QString::number(line.age),
                                 amountText(line.invoiceAmount), amountText(line.owing)} +
                         columns + QStringList{amountText(line.owingDomestic)});
    }
    out.flush();
    return file.error() == QFile::NoError;
}

int printAged(TDataModuleARSystem& module, AgedRequest& request, CliContext& context)
{
    Database& db = module.database();
    QString currencyName, customerName;
    if (request.selection.currencyId) {
        Statement find =
            db.prepare(QStringLiteral("SELECT CurrencyName FROM Currency WHERE CurrencyID = :id"));
        find.bind(QStringLiteral(":id"), *request.selection.currencyId).exec();
        if (!find.next()) {
            context.err << "There is no currency " << *request.selection.currencyId << "."
                        << Qt::endl;
            return 1;
        }
        currencyName = find.text(0);
    }
    if (!request.customerNo.isEmpty()) {
        const std::optional<qint64> id = customerNamed(db, request.customerNo, context);
        if (!id)
            return 1;
        request.selection.customerId = int(*id);
        Statement find =
            db.prepare(QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerID = :id"));
        find.bind(QStringLiteral(":id"), *id).exec();
        if (find.next())
            customerName = find.text(0);
    }

    const std::vector<reports::AgedLine> lines = reports::agedLines(db, request.selection);
    report::RunOptions options;
    options.parameters = reports::agedHeadings(request.selection, currencyName, customerName);

    int pages = 0;
    if (!request.printer.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(request.printer);
        report::prepareReportPrinter(printer);
        report::PrinterOutput output(printer);
        pages = reports::printAgedTrialBalance(lines, output, options);
        output.finish();
    } else {
        report::PdfOutput output(request.pdf, QStringLiteral("Aged Trial Balance"));
        pages = reports::printAgedTrialBalance(lines, output, options);
        output.finish();
    }
    context.out << "Printed the aged trial balance of " << lines.size() << " invoice(s) on "
                << pages << " page(s) to "
                << (request.printer.isEmpty() ? QFileInfo(request.pdf).absoluteFilePath()
                                              : request.printer)
                << Qt::endl;
    if (!request.csv.isEmpty()) {
        if (!writeCsv(request.csv, lines)) {
            context.err << "Could not write " << request.csv << "." << Qt::endl;
            return 1;
        }
        context.out << "Lines: " << QFileInfo(request.csv).absoluteFilePath() << Qt::endl;
    }
    return 0;
}

} // namespace

int runReportCommand(const QStringList& args, CliContext& context)
{
    AgedRequest request;
    if (const QString wrong = readRequest(args, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    if (const std::optional<int> refused = refuseDestination(context, request.pdf, request.printer,
                                                             QStringLiteral("the report goes")))
        return *refused;
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        return printAged(module, request, context);
    });
}

// tallywick report aged: the aged trial balance as of a date to a PDF file or a printer, and
// when asked the lines it prints as a csv file for a spreadsheet.
#include "cli/commands.h"
#include "cli/listoutput.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"
#include "reports/aged/agedtrialbalance.h"

#include <QFile>
#include <QFileInfo>

namespace
{

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

} // namespace

int printAgedReport(TDataModuleARSystem& module, const ReportRequest& request, CliContext& context)
{
    const reports::AgedSelection selection = reportSelection(request);

    const std::vector<reports::AgedLine> lines = reports::agedLines(module.database(), selection);
    report::RunOptions options;
    options.parameters =
        reports::agedHeadings(selection, request.currencyName, request.customerName);
    const int pages =
        printRequested(request, QStringLiteral("Aged Trial Balance"), [&](report::PageSink& sink) {
            return reports::printAgedTrialBalance(lines, sink, options);
        });
    context.out << "Printed the aged trial balance of " << lines.size() << " invoice(s) on "
                << pages << " page(s) to " << destinationText(request) << Qt::endl;
    if (!request.csv.isEmpty()) {
        if (!writeCsv(request.csv, lines)) {
            context.err << "Could not write " << request.csv << "." << Qt::endl;
            return 1;
        }
        context.out << "Lines: " << QFileInfo(request.csv).absoluteFilePath() << Qt::endl;
    }
    return 0;
}

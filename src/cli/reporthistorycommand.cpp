// tallywick report history: the invoices and cheques of one accounting period to a PDF file or
// a printer.
#include "cli/commands.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"
#include "reports/history/arhistory.h"

int printHistoryReport(TDataModuleARSystem& module, const ReportRequest& request,
                       CliContext& context)
{
    // Without a period, the current month's, as the report menu offers it.
    if (request.period.has_value() != request.year.has_value()) {
        context.err << "Name the whole period: --period PP --year YYYY." << Qt::endl;
        return 2;
    }
    reports::HistorySelection selection;
    selection.period = request.period.value_or(QDate::currentDate().month());
    selection.year = request.year.value_or(QDate::currentDate().year());
    selection.currencyId = request.currencyId;
    selection.customerId = request.customerId;

    const std::vector<reports::HistoryLine> lines =
        reports::historyLines(module.database(), selection);
    report::RunOptions options;
    options.parameters =
        reports::historyHeadings(selection, request.currencyName, request.customerName);
    const int pages =
        printRequested(request, QStringLiteral("AR History"), [&](report::PageSink& sink) {
            return reports::printHistory(lines, sink, options);
        });
    context.out << "Printed the AR history of " << lines.size() << " document(s) on " << pages
                << " page(s) to " << destinationText(request) << Qt::endl;
    return 0;
}

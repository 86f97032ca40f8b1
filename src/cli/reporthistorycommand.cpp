// tallywick report history: the invoices and cheques of one accounting period to a PDF file or
// a printer.
#include "cli/commands.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"
#include "reports/history/arhistory.h"

int printHistoryReport(TDataModuleARSystem& module, const ReportRequest& request,
                       CliContext& context)
{
    if (!request.period || !request.year) {
        context.err << "The history report needs the period: --period PP --year YYYY." << Qt::endl;
        return 2;
    }
    reports::HistorySelection selection;
    selection.period = *request.period;
    selection.year = *request.year;
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

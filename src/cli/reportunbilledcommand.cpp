// tallywick report unbilled: the meal credits the user's last generation run (or preview) billed
// to no one, to a PDF file or a printer.
#include "billing/unbilledstore.h"
#include "cli/commands.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"
#include "reports/unbilled/unbilleddeliveries.h"

int printUnbilledReport(TDataModuleARSystem& module, const ReportRequest& request,
                        CliContext& context)
{
    const std::optional<billing::UnbilledRun> run =
        billing::lastUnbilledRun(module.database(), context.userName);
    if (!run) {
        context.err << "No generation run of " << context.userName
                    << " is kept: generate invoices (or a preview) first." << Qt::endl;
        return 1;
    }
    const int pages =
        printRequested(request, reports::kUnbilledDeliveriesTitle, [&](report::PageSink& sink) {
            return reports::printUnbilledDeliveries(*run, sink);
        });
    context.out << "Printed the unbilled deliveries of " << context.userName << "'s last run ("
                << run->deliveries.size() << " meal credit(s)) on " << pages << " page(s) to "
                << destinationText(request) << Qt::endl;
    return 0;
}

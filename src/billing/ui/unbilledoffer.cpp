#include "billing/ui/unbilledoffer.h"

#include "common/dialogs.h"
#include "report/ui/frmpreview.h"
#include "reports/unbilled/unbilleddeliveries.h"

#include <memory>

QString unbilledQuestion(int count)
{
    if (count == 1)
        return QStringLiteral("1 delivery was not billed. Show it?");
    return QStringLiteral("%1 deliveries were not billed. Show them?").arg(count);
}

TfrmPreview* offerUnbilledDeliveries(Dialogs& dialogs, const billing::UnbilledRun& run,
                                     QWidget* parent)
{
    if (run.deliveries.isEmpty())
        return nullptr;
    if (dialogs.ask(Dialogs::Kind::Confirmation, unbilledQuestion(int(run.deliveries.size())),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return nullptr;
    return showUnbilledDeliveries(dialogs, run, parent);
}

TfrmPreview* showUnbilledDeliveries(Dialogs& dialogs, const billing::UnbilledRun& run,
                                    QWidget* parent)
{
    try {
        auto kept = std::make_shared<const billing::UnbilledRun>(run);
        auto* preview = new TfrmPreview(
            [kept](report::PageSink& sink) { reports::printUnbilledDeliveries(*kept, sink); },
            parent);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        preview->setReportName(reports::kUnbilledDeliveriesTitle);
        preview->show();
        return preview;
    } catch (const std::exception& e) {
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return nullptr;
    }
}

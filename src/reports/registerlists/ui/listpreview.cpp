#include "reports/registerlists/ui/listpreview.h"

#include "common/dialogs.h"
#include "report/ui/frmpreview.h"
#include "reports/registerlists/ui/formtimeperiod.h"

#include <QFileInfo>
#include <memory>

void previewListReport(QWidget* parent, const report::ReportProducer& produce,
                       const QString& reportName, Dialogs& dialogs)
{
    try {
        auto* preview = new TfrmPreview(produce, parent);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        preview->setReportName(reportName);
        preview->show();
    } catch (const std::exception& e) {
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void previewTimePeriodList(QWidget* parent, reports::TimePeriodList list, const QString& directory,
                           Database& db, Dialogs& dialogs)
{
    TFormTimePeriod ask(QDate::currentDate(), parent);
    if (ask.exec() != QDialog::Accepted)
        return;
    const reports::TimePeriod period = ask.period();
    auto bound = reports::openTimePeriodList(list, period, directory, dialogs, db);
    if (!bound)
        return;
    // The rows are read again for every printed set, so they live as long as the preview.
    auto shared = std::make_shared<reports::BoundReport>(std::move(*bound));
    report::RunOptions options;
    options.parameters = reports::timePeriodParameters(period);
    const QString name = shared->definition().title.isEmpty()
                             ? QFileInfo(reports::timePeriodTemplateName(list)).completeBaseName()
                             : shared->definition().title;
    previewListReport(
        parent, [shared, options](report::PageSink& sink) { shared->print(sink, options); }, name,
        dialogs);
}

#include "plugin/ui/reportmenu.h"

#include "common/ui/messageboxdialogs.h"
#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/screenregistry.h"
#include "report/ui/frmpreview.h"
#include "reports/aged/agedtrialbalance.h"
#include "reports/history/arhistory.h"
#include "reports/menu/ui/frmarreports.h"
#include "reports/selectionnames.h"

#include <memory>

using namespace reports;

namespace
{

const QString kName = QStringLiteral("frmARReports");

// Reads the report's rows once and shows its pages in the preview window; a failure to read
// them is told, not swallowed.
void showPreview(QWidget* menu, const QString& name,
                 const std::function<report::ReportProducer()>& prepare)
{
    MessageBoxDialogs dialogs(menu);
    try {
        auto* preview = new TfrmPreview(prepare(), menu);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        preview->setReportName(name);
        preview->show();
    } catch (const std::exception& e) {
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void previewAgedTrialBalance(QWidget* menu, const ReportMenuChoices& choices)
{
    showPreview(menu, QStringLiteral("Aged Trial Balance"), [&choices]() -> report::ReportProducer {
        Database& db = arProcess().dataModule->database();
        const ReportSelection& selection = choices.selection;
        const SelectionNames names = selectionNames(db, selection.currencyId, selection.customerId);
        report::RunOptions options;
        options.parameters = agedHeadings(selection, names.currency, names.customer);
        auto lines = std::make_shared<const std::vector<AgedLine>>(agedLines(db, selection));
        return [lines, options](report::PageSink& sink) {
            printAgedTrialBalance(*lines, sink, options);
        };
    });
}

void previewHistory(QWidget* menu, const ReportMenuChoices& choices)
{
    showPreview(menu, QStringLiteral("AR History"), [&choices]() -> report::ReportProducer {
        Database& db = arProcess().dataModule->database();
        HistorySelection selection;
        selection.period = choices.period;
        selection.year = choices.year;
        selection.currencyId = choices.selection.currencyId;
        selection.customerId = choices.selection.customerId;
        const SelectionNames names = selectionNames(db, selection.currencyId, selection.customerId);
        report::RunOptions options;
        options.parameters = historyHeadings(selection, names.currency, names.customer);
        auto lines = std::make_shared<const std::vector<HistoryLine>>(historyLines(db, selection));
        return [lines, options](report::PageSink& sink) { printHistory(*lines, sink, options); };
    });
}

// The statements and labels are started here once their runs are in place; until then the
// menu refuses them.
QWidget* makeMenu()
{
    auto* menu = new TfrmARReports(arProcess().dataModule->database());
    menu->startAgedTrialBalance = [menu](const ReportMenuChoices& choices) {
        previewAgedTrialBalance(menu, choices);
    };
    menu->startHistory = [menu](const ReportMenuChoices& choices) {
        previewHistory(menu, choices);
    };
    return menu;
}

} // namespace

void openReportMenu(QWidget*)
{
    if (!arProcess().dataModule)
        return;
    openOrBringForward(kName, makeMenu);
}

#include "plugin/ui/reportmenu.h"

#include "common/ui/messageboxdialogs.h"
#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/screenregistry.h"
#include "report/ui/desktopprint.h"
#include "report/ui/frmpreview.h"
#include "reports/aged/agedtrialbalance.h"
#include "reports/history/arhistory.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/menu/ui/frmarreports.h"
#include "reports/selectionnames.h"
#include "reports/statements/arstatements.h"
#include "reports/statements/statementlabels.h"
#include "reports/statements/statementlines.h"

#include <memory>

using namespace reports;

namespace
{

const QString kName = QStringLiteral("frmARReports");

const QString kNoStatements =
    QStringLiteral("No customer has a statement to print for this selection.");

// Reads the report's rows once and shows its pages in the preview window; a failure to read
// them is told, not swallowed. A report with nothing to print gives no producer, and `nothing`
// says so instead of an empty preview.
void showPreview(QWidget* menu, const QString& name,
                 const std::function<report::ReportProducer()>& prepare,
                 const QString& nothing = {})
{
    MessageBoxDialogs dialogs(menu);
    try {
        report::ReportProducer producer = prepare();
        if (!producer) {
            dialogs.inform(Dialogs::Kind::Information, nothing);
            return;
        }
        auto* preview = new TfrmPreview(std::move(producer), menu);
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

void previewStatements(QWidget* menu, const ReportMenuChoices& choices)
{
    showPreview(
        menu, QStringLiteral("AR Statements"),
        [&choices]() -> report::ReportProducer {
            Database& db = arProcess().dataModule->database();
            const ReportSelection& selection = choices.selection;
            const InvoiceLetterhead letterhead = readInvoiceOrganization(db).letterhead;
            auto lines =
                std::make_shared<const std::vector<StatementLine>>(statementLines(db, selection));
            if (lines->empty())
                return {};
            return [lines, letterhead, asOf = selection.asOf](report::PageSink& sink) {
                printStatementLines(*lines, letterhead, asOf, sink);
            };
        },
        kNoStatements);
}

// Labels go to the printer. They are laid out first, after the question whether they are in
// the printer, so that the print dialog is only offered when there are labels to print.
void printLabels(QWidget* menu, const ReportMenuChoices& choices)
{
    MessageBoxDialogs dialogs(menu);
    try {
        TDataModuleARSystem& module = *arProcess().dataModule;
        auto labels = std::make_shared<report::PageList>();
        if (!printStatementLabels(module.database(), module.databaseDirectory(), dialogs,
                                  choices.selection, *labels))
            return;
        report::printFromDesktop(
            menu, [labels](report::PageSink& sink) { labels->replayInto(sink); },
            QStringLiteral("AR Labels"), dialogs);
    } catch (const std::exception& e) {
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

QWidget* makeMenu()
{
    auto* menu = new TfrmARReports(arProcess().dataModule->database());
    menu->startAgedTrialBalance = [menu](const ReportMenuChoices& choices) {
        previewAgedTrialBalance(menu, choices);
    };
    menu->startHistory = [menu](const ReportMenuChoices& choices) {
        previewHistory(menu, choices);
    };
    menu->startStatements = [menu](const ReportMenuChoices& choices) {
        previewStatements(menu, choices);
    };
    menu->startLabels = [menu](const ReportMenuChoices& choices) { printLabels(menu, choices); };
    return menu;
}

} // namespace

void openReportMenu(QWidget*)
{
    if (!arProcess().dataModule)
        return;
    openOrBringForward(kName, makeMenu);
}

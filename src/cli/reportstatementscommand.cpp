// tallywick report statements and tallywick report labels: the statements of the customers
// that owe, one per customer, and their address labels, to a PDF file or a printer.
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"
#include "reports/statements/arstatements.h"
#include "reports/statements/statementlabels.h"
#include "reports/userdefinedreports.h"

namespace
{

// The labels are in the printer when the command runs: the question is answered OK unless the
// command line answers every question (--no cancels the labels).
class LabelDialogs final : public Dialogs
{
public:
    explicit LabelDialogs(Dialogs& console) : console_(console) {}
    void inform(Kind kind, const QString& text) override { console_.inform(kind, text); }
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        Button answer = Ok;
        try {
            answer = console_.ask(kind, text, buttons);
        } catch (const UnansweredQuestion&) {
            if (text != reports::kInsertLabels)
                throw;
        }
        if (text == reports::kInsertLabels && answer != Ok)
            cancelled = true;
        return answer;
    }

    bool cancelled = false;

private:
    Dialogs& console_;
};

} // namespace

int printStatementsReport(TDataModuleARSystem& module, const ReportRequest& request,
                          CliContext& context)
{
    const int pages =
        printRequested(request, QStringLiteral("AR Statements"), [&](report::PageSink& sink) {
            return reports::printStatements(module.database(), reportSelection(request), sink);
        });
    context.out << "Printed the statements on " << pages << " page(s) to "
                << destinationText(request) << Qt::endl;
    return 0;
}

int printStatementLabelsReport(TDataModuleARSystem& module, const ReportRequest& request,
                               CliContext& context)
{
    LabelDialogs dialogs(context.dialogs);
    // The labels are laid out first, so that a cancelled run or a missing template leaves no
    // file behind.
    report::PageList labels;
    const std::optional<int> pages = reports::printStatementLabels(
        module.database(), module.databaseDirectory(), dialogs, reportSelection(request), labels);
    if (!pages) {
        // Cancelled on purpose, or the template was missing or refused (already said).
        context.out << "No labels were printed." << Qt::endl;
        return dialogs.cancelled ? 0 : 1;
    }
    printRequested(request, QStringLiteral("AR Labels"), [&](report::PageSink& sink) {
        labels.replayInto(sink);
        return *pages;
    });
    context.out << "Printed the statement labels on " << *pages << " page(s) to "
                << destinationText(request) << Qt::endl;
    return 0;
}

// tallywick report NAME: one of the report menu's reports, with the menu's selection, to a PDF
// file or a printer.
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/reportcommands.h"
#include "data/datamodule.h"

#include <QHash>

namespace
{

const char* const kUsage =
    "Usage: tallywick report aged [--as-of DATE] [--currency ID] [--customer NO]\n"
    "         [--min-owing X] [--min-days N] (--pdf FILE | --printer NAME) [--csv FILE]\n"
    "       tallywick report history [--period PP --year YYYY] [--currency ID] [--customer NO]\n"
    "         (--pdf FILE | --printer NAME)\n"
    "       tallywick report statements|labels [--as-of DATE] [--currency ID] [--customer NO]\n"
    "         [--min-owing X] [--min-days N] (--pdf FILE | --printer NAME)\n"
    "       tallywick report unbilled (--pdf FILE | --printer NAME)";

// Each report by the name the command takes, and the options it accepts beyond where its pages
// go.
struct ReportEntry {
    ReportRun run;
    QStringList options;
};

const QHash<QString, ReportEntry>& reportsByName()
{
    static const QHash<QString, ReportEntry> entries = {
        {QStringLiteral("aged"),
         {&printAgedReport,
          {QStringLiteral("--as-of"), QStringLiteral("--currency"), QStringLiteral("--customer"),
           QStringLiteral("--min-owing"), QStringLiteral("--min-days"), QStringLiteral("--csv")}}},
        {QStringLiteral("history"),
         {&printHistoryReport,
          {QStringLiteral("--period"), QStringLiteral("--year"), QStringLiteral("--currency"),
           QStringLiteral("--customer")}}},
        {QStringLiteral("statements"),
         {&printStatementsReport,
          {QStringLiteral("--as-of"), QStringLiteral("--currency"), QStringLiteral("--customer"),
           QStringLiteral("--min-owing"), QStringLiteral("--min-days")}}},
        {QStringLiteral("labels"),
         {&printStatementLabelsReport,
          {QStringLiteral("--as-of"), QStringLiteral("--currency"), QStringLiteral("--customer"),
           QStringLiteral("--min-owing"), QStringLiteral("--min-days")}}},
        {QStringLiteral("unbilled"), {&printUnbilledReport, {}}},
    };
    return entries;
}

// The selection options every report is offered, so that a script may ask each report alike:
// one a report does not use is noted and passed over. Any other option the report does not
// take (--csv beside the aged trial balance) is refused.
const QStringList kSelectionOptions = {QStringLiteral("--as-of"),    QStringLiteral("--period"),
                                       QStringLiteral("--year"),     QStringLiteral("--currency"),
                                       QStringLiteral("--customer"), QStringLiteral("--min-owing"),
                                       QStringLiteral("--min-days")};

struct OptionCheck {
    QString refused;    // the first option the report cannot take
    QStringList unused; // selection options the report does not use
};

OptionCheck checkOptions(const QStringList& args, const QStringList& taken)
{
    OptionCheck check;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (option == QLatin1String("--pdf") || option == QLatin1String("--printer") ||
            !option.startsWith(QLatin1String("--")) || taken.contains(option))
            continue;
        if (!kSelectionOptions.contains(option)) {
            check.refused = option;
            return check;
        }
        check.unused << option;
    }
    return check;
}

} // namespace

int runReportCommand(const QStringList& args, CliContext& context)
{
    const QString name = args.value(0);
    const auto entry = reportsByName().constFind(name);
    if (entry == reportsByName().cend()) {
        QStringList names = reportsByName().keys();
        names.sort();
        return refuseWords(context,
                           QStringLiteral("Name the report: tallywick report %1.")
                               .arg(names.join(QLatin1Char('|'))),
                           kUsage);
    }
    const QStringList options = args.mid(1);
    const OptionCheck check = checkOptions(options, entry->options);
    if (!check.refused.isEmpty())
        return refuseWords(
            context, QStringLiteral("The %1 report does not take %2.").arg(name, check.refused),
            kUsage);
    for (const QString& unused : check.unused)
        context.err << "The " << name << " report does not use " << unused << "; it is passed over."
                    << Qt::endl;
    ReportRequest request;
    request.report = name;
    if (const QString wrong = readReportRequest(options, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    if (const std::optional<int> refused = refuseDestination(context, request.pdf, request.printer,
                                                             QStringLiteral("the report goes")))
        return *refused;
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        if (!resolveSelection(module.database(), request, context))
            return 1;
        return entry->run(module, request, context);
    });
}

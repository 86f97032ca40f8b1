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
    "       tallywick report history --period PP --year YYYY [--currency ID] [--customer NO]\n"
    "         (--pdf FILE | --printer NAME)\n"
    "       tallywick report statements|labels [--as-of DATE] [--currency ID] [--customer NO]\n"
    "         [--min-owing X] [--min-days N] (--pdf FILE | --printer NAME)";

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
    };
    return entries;
}

// An option the named report does not take, else empty.
QString optionNotTaken(const QStringList& args, const QStringList& taken)
{
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (option == QLatin1String("--pdf") || option == QLatin1String("--printer"))
            continue;
        if (option.startsWith(QLatin1String("--")) && !taken.contains(option))
            return option;
    }
    return {};
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
    if (const QString wrong = optionNotTaken(options, entry->options); !wrong.isEmpty())
        return refuseWords(
            context, QStringLiteral("The %1 report does not take %2.").arg(name, wrong), kUsage);
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

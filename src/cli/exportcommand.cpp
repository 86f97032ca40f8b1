// tallywick export statements: the statement mail-merge file, as Export Statements writes it.
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "data/datamodule.h"
#include "reports/statements/statementexport.h"

#include <QFileInfo>

namespace
{

const char* const kUsage = "Usage: tallywick export statements --file F "
                           "[--kind clients|funders|both] [--max N] [--description TEXT]";

QString readOptions(const QStringList& args, statements::StatementExportOptions& o)
{
    if (args.value(0) != QLatin1String("statements"))
        return QStringLiteral("Name what to export: tallywick export statements.");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--file")) {
            o.fileName = value;
        } else if (option == QLatin1String("--kind")) {
            const QStringList kinds = {QStringLiteral("clients"), QStringLiteral("funders"),
                                       QStringLiteral("both")};
            const qsizetype kind = kinds.indexOf(value);
            if (kind < 0)
                return QStringLiteral("--kind takes clients, funders or both, not %1.").arg(value);
            o.kind = statements::CustomerKind(kind);
        } else if (option == QLatin1String("--max")) {
            bool ok = false;
            o.maxStatements = value.toInt(&ok);
            if (!ok || o.maxStatements < statements::kMinStatements ||
                o.maxStatements > statements::kMaxStatements)
                return QStringLiteral("--max takes a whole number from 1 to 24, not %1.")
                    .arg(value);
        } else if (option == QLatin1String("--description")) {
            o.statementDescription = value;
        } else {
            return QStringLiteral("Unknown option %1.").arg(option);
        }
    }
    if (o.fileName.trimmed().isEmpty())
        return QStringLiteral("Name the file to write with --file F.");
    return {};
}

} // namespace

int runExportCommand(const QStringList& args, CliContext& context)
{
    statements::StatementExportOptions options;
    if (const QString wrong = readOptions(args, options); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        ConsoleProgress console(context.err, context.dialogs);
        const int customers = statements::exportStatements(module.database(), options,
                                                           console.dialogs, console.progress());
        context.out << "Wrote " << customers << " customer(s) to "
                    << QFileInfo(options.fileName).absoluteFilePath() << Qt::endl;
        return 0;
    });
}

#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/datamodule.h"
#include "data/datasets.h"

namespace
{
void list(QTextStream& out, const char* heading, const QStringList& tables)
{
    out << heading
        << (tables.isEmpty() ? QStringLiteral("none") : tables.join(QStringLiteral(", ")))
        << Qt::endl;
}
} // namespace

// Runs the AR module's start-up on the configured database and says what it did.
int runInitCommand(const QStringList& args, CliContext& context)
{
    if (!args.isEmpty()) {
        context.err << "Usage: tallywick init" << Qt::endl;
        return 2;
    }
    TDataModuleARSystem module(context.dialogs);
    const SchemaReport& report = module.schemaReport();
    list(context.out, "Created: ", report.created);
    list(context.out, "Upgraded: ", report.upgraded);
    if (!report.notUpgraded.isEmpty()) {
        list(context.out, "Could not be restructured (left as they were): ", report.notUpgraded);
        for (const QString& why : report.whyNotUpgraded)
            context.out << "  " << why << Qt::endl;
    }
    list(context.out, "Seeded: ", report.seeded);
    if (!report.error.isEmpty())
        return 1;
    module.tblCompany()->first();
    context.out << "Organization: "
                << module.tblCompany()->field(QStringLiteral("CompanyName")).toString() << Qt::endl;
    return 0;
}

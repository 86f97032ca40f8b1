#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "common/dialogs.h"
#include "data/datamodule.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"

// Synchronizes the host's clients and funders, or its meal items, with the AR tables, as the
// console's Synchronize entries do. The closing message goes to standard output; progress goes
// to standard error when that is a terminal.
int runSyncCommand(const QStringList& args, CliContext& context)
{
    const bool customers = args == QStringList{QStringLiteral("customers")};
    if (!customers && args != QStringList{QStringLiteral("items")}) {
        context.err << "Usage: tallywick sync customers|items" << Qt::endl;
        return 2;
    }
    TDataModuleARSystem module(context.dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1; // the creation sequence's error is already on standard error
    module.CurrentUserName = context.userName;

    ConsoleProgress console(context.err, context.dialogs);
    const SyncReport report =
        customers ? synchronizeCustomers(module.database(), console.dialogs, console.progress())
                  : synchronizeItems(module.database(), console.dialogs, console.progress());
    return report.clean() ? 0 : 1;
}

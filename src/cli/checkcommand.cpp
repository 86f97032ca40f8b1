#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/connection.h"
#include "engine/database.h"

#include <QDir>

// Connects as the console would and reports where the database is and what it holds.
int runCheckCommand(const QStringList& args, CliContext& context)
{
    if (!args.isEmpty()) {
        context.err << "Usage: tallywick check" << Qt::endl;
        return 2;
    }
    HearthtableConnection connection = connectHearthtable(context.dialogs);
    Database& db = *connection.database;
    const qint64 tables = db.dialect().storedTableCount(db);
    context.out << "Mode: " << (connection.session.remote ? "client-server" : "file server")
                << Qt::endl;
    context.out << "Location: " << QDir::toNativeSeparators(connection.location.directory)
                << Qt::endl;
    context.out << "Database: " << connection.location.params.describe() << Qt::endl;
    context.out << "Engine: " << db.engineVersion() << Qt::endl;
    context.out << "Tables: " << tables << Qt::endl;
    context.out << "User: " << context.userName << Qt::endl;
    return 0;
}

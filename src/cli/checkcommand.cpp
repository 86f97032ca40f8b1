#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/connection.h"
#include "engine/database.h"
#include "receivables/bookcheck/bookcheck.h"

#include <QDir>

namespace
{
// Apart from 1 (the database could not be read) and 2 (usage), so a script can tell books that
// do not tie from a check that could not be made.
constexpr int kBooksDoNotTie = 3;
} // namespace

// Connects as the console would, reports where the database is and what it holds, and proves
// that the books tie: every discrepancy is listed, one a line, and makes the exit status 3;
// notices of balance resets follow, and leave the status 0 when nothing else is wrong.
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

    if (missingBookTables(db) == bookTables()) {
        context.out << "No books yet: the AR tables have not been created (tallywick init creates "
                       "them)."
                    << Qt::endl;
        return 0;
    }
    const BookDiscrepancies found = checkBooks(db);
    const BookDiscrepancies failures = failuresOf(found);
    if (failures.isEmpty()) {
        context.out << "The books tie." << Qt::endl;
    } else {
        context.out << "The books do not tie: " << failures.size()
                    << (failures.size() == 1 ? " discrepancy" : " discrepancies") << Qt::endl;
        for (const BookDiscrepancy& d : failures)
            context.out << "  " << d.text << Qt::endl;
    }
    // What balance resets did is told, but does not count against the books.
    if (failures.size() != found.size()) {
        context.out << "Notices:" << Qt::endl;
        for (const BookDiscrepancy& d : found) {
            if (d.isNotice())
                context.out << "  " << d.text << Qt::endl;
        }
    }
    return failures.isEmpty() ? 0 : kBooksDoNotTie;
}

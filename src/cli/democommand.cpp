// tallywick demo DIR: a data folder with a Hearthtable database whose host tables hold a sample
// meal program, ready for synchronization, invoice generation and the reports. With --server the
// same sample goes into the client-server database that the settings name.
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/connection.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/transaction.h"
#include "host/sampledata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{

const char* const kUsage =
    "Usage: tallywick demo DIR [--clients N] [--period YYYY-MM] [--months M] [--seed S] [--empty]\n"
    "       tallywick demo --server [--clients N] [--period YYYY-MM] [--months M] [--seed S] "
    "[--empty]";

struct DemoRequest {
    QString folder;
    bool server = false; // the client-server database of the settings instead of a folder
    SampleDataOptions options;
    bool empty = false;
};

// Reads the arguments into `request`; returns what is wrong with them, or nothing.
QString readArguments(const QStringList& args, DemoRequest& request)
{
    request.options.periodStart = SampleDataOptions::previousMonthStart(QDate::currentDate());
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--empty")) {
            request.empty = true;
            continue;
        }
        if (arg == QLatin1String("--server")) {
            request.server = true;
            continue;
        }
        if (arg == QLatin1String("--clients") || arg == QLatin1String("--period") ||
            arg == QLatin1String("--months") || arg == QLatin1String("--seed")) {
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value.").arg(arg);
            const QString value = args[++i];
            bool ok = false;
            if (arg == QLatin1String("--clients")) {
                request.options.clients = value.toInt(&ok);
                if (!ok || request.options.clients < SampleDataOptions::kMinClients ||
                    request.options.clients > SampleDataOptions::kMaxClients)
                    return QStringLiteral("--clients needs a whole number from %1 to %2, not %3.")
                        .arg(SampleDataOptions::kMinClients)
                        .arg(SampleDataOptions::kMaxClients)
                        .arg(value);
            } else if (arg == QLatin1String("--months")) {
                request.options.months = value.toInt(&ok);
                if (!ok || request.options.months < 1 ||
                    request.options.months > SampleDataOptions::kMaxMonths)
                    return QStringLiteral("--months needs a whole number from 1 to %1, not %2.")
                        .arg(SampleDataOptions::kMaxMonths)
                        .arg(value);
            } else if (arg == QLatin1String("--seed")) {
                request.options.seed = value.toULongLong(&ok);
                if (!ok)
                    return QStringLiteral("--seed needs a whole number of 0 or more, not %1.")
                        .arg(value);
            } else {
                static const QRegularExpression month(QStringLiteral("^(\\d{4})-(\\d{2})$"));
                const QRegularExpressionMatch m = month.match(value);
                const QDate start =
                    m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1) : QDate();
                if (!start.isValid() || start.year() < 1900)
                    return QStringLiteral("--period needs a month as YYYY-MM, such as 2024-05, "
                                          "not %1.")
                        .arg(value);
                request.options.periodStart = start;
            }
            continue;
        }
        if (arg.startsWith(QLatin1String("--")))
            return QStringLiteral("Unknown option %1.").arg(arg);
        if (!request.folder.isEmpty())
            return QStringLiteral("Only one folder can be named; %1 is a second one.").arg(arg);
        request.folder = arg;
    }
    if (request.server && !request.folder.isEmpty())
        return QStringLiteral("--server writes into the database the settings name; %1 cannot be "
                              "named with it.")
            .arg(request.folder);
    if (request.folder.isEmpty() && !request.server)
        return QStringLiteral("Name the folder to create the demo database in.");
    return {};
}

// The embedded database in the request's folder, made when needed; null after saying why it
// cannot hold a demo.
std::unique_ptr<Database> openFolder(const QString& folderName, CliContext& context)
{
    const QFileInfo folder(folderName);
    if (folder.exists() && !folder.isDir()) {
        context.err << QDir::toNativeSeparators(folder.absoluteFilePath())
                    << " is a file, not a folder." << Qt::endl;
        return nullptr;
    }
    if (!QDir().mkpath(folder.absoluteFilePath())) {
        context.err << "The folder " << QDir::toNativeSeparators(folder.absoluteFilePath())
                    << " cannot be created." << Qt::endl;
        return nullptr;
    }
    const QString file = QDir(folder.absoluteFilePath()).filePath(kDatabaseFileName);
    auto db = Database::open(ConnectionParams::sqlite(file));
    if (hasHostTables(*db)) {
        context.err << QDir::toNativeSeparators(folder.absoluteFilePath())
                    << " already holds a Hearthtable database with the host's tables; nothing "
                       "was changed. Name a new or empty folder."
                    << Qt::endl;
        return nullptr;
    }
    return db;
}

// The client-server database of the settings, connected as the console would connect; null
// after saying why it cannot hold a demo. A site's server may already carry the host's tables
// without rows (they are filled), never rows of a real program.
std::unique_ptr<Database> openServer(CliContext& context)
{
    if (!SessionHearthtableARStartup().remote) {
        context.err << "demo --server writes into the client-server database, but the settings "
                       "are for file server mode (Mode is not C, or --data was given). Set Mode "
                       "C, Server IP and Alias first, or name a folder instead."
                    << Qt::endl;
        return nullptr;
    }
    HearthtableConnection connection = connectHearthtable(context.dialogs);
    QStringList filled;
    for (const QPair<QString, qint64>& count : countHostRows(*connection.database)) {
        if (count.second > 0)
            filled << count.first;
    }
    if (!filled.isEmpty()) {
        context.err << "The " << connection.location.params.describe()
                    << " already holds host data (in " << filled.join(QStringLiteral(", "))
                    << "); nothing was changed. The sample only goes into empty host tables."
                    << Qt::endl;
        return nullptr;
    }
    return std::move(connection.database);
}

} // namespace

int runDemoCommand(const QStringList& args, CliContext& context)
{
    DemoRequest request;
    const QString wrong = readArguments(args, request);
    if (!wrong.isEmpty()) {
        context.err << wrong << Qt::endl << kUsage << Qt::endl;
        return 2;
    }

    auto db = request.server ? openServer(context) : openFolder(request.folder, context);
    if (!db)
        return 1;

    QElapsedTimer timer;
    timer.start();
    if (request.empty) {
        Transaction transaction(*db);
        host::createTables(*db);
        transaction.commit();
    } else {
        generateSampleData(*db, request.options);
    }
    const qint64 elapsed = timer.elapsed();

    const ConnectionParams& where = db->params();
    context.out << "Database: "
                << (db->isSqlite() ? QDir::toNativeSeparators(where.sqliteFile) : where.describe())
                << Qt::endl;
    if (request.empty) {
        context.out << "Host tables created without rows." << Qt::endl;
    } else {
        const SampleDataOptions& o = request.options;
        context.out << "Period: " << o.periodStart.toString(Qt::ISODate) << " to "
                    << o.periodEnd().toString(Qt::ISODate) << " (" << o.months
                    << (o.months == 1 ? " month" : " months") << "), seed " << o.seed << Qt::endl;
    }
    for (const QPair<QString, qint64>& count : countHostRows(*db))
        context.out << "  " << qSetFieldWidth(15) << Qt::left << count.first << qSetFieldWidth(10)
                    << Qt::right << count.second << qSetFieldWidth(0) << Qt::left << Qt::endl;
    context.out << "Time: " << QString::number(double(elapsed) / 1000.0, 'f', 1) << " s"
                << Qt::endl;
    if (request.empty) {
        context.out << "Self-check: skipped (no rows)" << Qt::endl;
        return 0;
    }
    const QStringList problems = checkSampleData(*db);
    if (!problems.isEmpty()) {
        context.out << "Self-check: failed" << Qt::endl;
        for (const QString& problem : problems)
            context.err << problem << Qt::endl;
        return 1;
    }
    context.out << "Self-check: passed" << Qt::endl;
    return 0;
}

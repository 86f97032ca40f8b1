// Times customer and item synchronization of a sample meal program on the embedded database or,
// with --postgres, in a throwaway schema of the server TALLYWICK_PG names: the first run, which
// adds every customer and item, and the second, which refreshes them. Run by scripts/bench sync;
// not part of the test run.
//
//   bench_sync DIR|--postgres [--clients N] [--seed S]
//
// Leaves DIR/baseline.db, a copy of the database as it was before the first run, for the
// baseline program, and prints the rows the first run added as "rows: CUSTOMERS ITEMS".
#include "common/dialogs.h"
#include "data/datamodule.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "host/sampledata.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "throwawayschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <optional>

namespace
{

// Records the messages instead of showing them; the benchmark reports errors itself.
class QuietDialogs final : public Dialogs
{
public:
    void inform(Kind kind, const QString& text) override
    {
        if (kind == Kind::Error)
            errors << text;
    }
    Button ask(Kind, const QString& text, Buttons) override
    {
        errors << text;
        return Cancel;
    }
    QStringList errors;
};

QString seconds(qint64 nanoseconds)
{
    return QString::number(double(nanoseconds) / 1e9, 'f', 3);
}

struct Timed {
    qint64 customers;
    qint64 items;
    SyncReport customerReport;
    SyncReport itemReport;
};

Timed synchronizeOnce(Database& db, Dialogs& dialogs)
{
    NoProgress progress;
    QElapsedTimer timer;
    timer.start();
    Timed t{};
    t.customerReport = synchronizeCustomers(db, dialogs, progress);
    t.customers = timer.nsecsElapsed();
    timer.restart();
    t.itemReport = synchronizeItems(db, dialogs, progress);
    t.items = timer.nsecsElapsed();
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    QString dir;
    bool postgres = false;
    SampleDataOptions options;
    options.clients = 10000;
    options.periodStart = QDate(2025, 3, 1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            postgres = true;
        else if (args[i] == QLatin1String("--clients") && i + 1 < args.size())
            options.clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            options.seed = args[++i].toULongLong();
        else
            dir = args[i];
    }
    if (postgres == !dir.isEmpty()) {
        err << "Usage: bench_sync DIR|--postgres [--clients N] [--seed S]" << Qt::endl;
        return 2;
    }

    try {
        QuietDialogs dialogs;
        std::unique_ptr<Database> db;
        std::optional<ThrowawaySchema> schema;
        QTemporaryDir shared; // the shared folder a client-server site keeps its ini file in
        if (postgres) {
            const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
            if (keywords.isEmpty()) {
                err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
                return 2;
            }
            schema.emplace(ConnectionParams::fromPostgresKeywords(keywords),
                           QStringLiteral("bench_sync"));
            db = Database::open(schema->params());
            dir = shared.path();
        } else {
            QDir().mkpath(dir);
            const QString file = QDir(dir).filePath(QStringLiteral("Hearthtable.db"));
            QFile::remove(file);
            QFile::remove(QDir(dir).filePath(QStringLiteral("baseline.db")));
            db = Database::open(ConnectionParams::sqlite(file));
        }
        generateSampleData(*db, options);
        TDataModuleARSystem module(std::move(db), dir, dialogs);
        Database& ar = module.database();
        if (!postgres)
            ar.exec(QStringLiteral("VACUUM INTO '%1'")
                        .arg(QDir(dir).filePath(QStringLiteral("baseline.db"))));

        const Timed first = synchronizeOnce(ar, dialogs);
        const Timed second = synchronizeOnce(ar, dialogs);
        if (!dialogs.errors.isEmpty()) {
            for (const QString& e : dialogs.errors)
                err << e << Qt::endl;
            return 1;
        }
        const int customers = first.customerReport.clientsAdded + first.customerReport.fundersAdded;
        const int items = first.itemReport.itemsAdded + first.itemReport.pledgeItemsAdded;
        out << "first run:  " << seconds(first.customers + first.items) << " s (customers "
            << seconds(first.customers) << " s, items " << seconds(first.items) << " s), "
            << customers << " customers and " << items << " items added" << Qt::endl;
        out << "second run: " << seconds(second.customers + second.items) << " s (customers "
            << seconds(second.customers) << " s, items " << seconds(second.items) << " s)"
            << Qt::endl;
        out << "first-ns: " << (first.customers + first.items) << Qt::endl;
        out << "second-ns: " << (second.customers + second.items) << Qt::endl;
        out << "rows: " << customers << ' ' << items << Qt::endl;
        return 0;
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

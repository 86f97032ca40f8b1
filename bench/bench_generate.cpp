// Times one invoice generation run over a month of a sample meal program: billing and pledges,
// every payer, so client and funder invoices are both made, every question answered Yes. The
// sample is made, the AR tables created and customers and items synchronized first; only the
// run is timed. Run by scripts/bench generate; not part of the test run.
//
//   bench_generate DIR [--clients N] [--seed S] [--exceptions FILE | --without-unbilled]
//                                                 on the embedded database in DIR
//   bench_generate --postgres [--clients N] [--seed S]
//                                                 on the server TALLYWICK_PG names, in a schema
//                                                 of its own that is dropped afterwards
//
// On the embedded database it leaves DIR/baseline.db, a copy of the database as it was before
// the run, for the baseline program, and prints the rows the run wrote as
// "rows: INVOICES LINES HISTORY".
//
// The run lists the meal credits it billed to no one and keeps the list, as every run does.
// --exceptions FILE also writes that list as csv, as tallywick generate --exceptions does, and
// times it with the run; --without-unbilled times the run that neither lists nor keeps them.
#include "benchsupport.h"
#include "billing/generationrun.h"
#include "billing/unbilledcsv.h"
#include "common/dialogs.h"
#include "data/datamodule.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
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

namespace
{

struct Options {
    QString dir;
    bool postgres = false;
    SampleDataOptions sample;
    QString exceptionsFile;
    bool withoutUnbilled = false;
};

// The sample, the AR tables and the synchronizations, then the run alone.
int benchmark(std::unique_ptr<Database> connection, const QString& dir, const Options& options,
              QTextStream& out, QTextStream& err)
{
    YesDialogs dialogs;
    const auto module = preparedSample(std::move(connection), dir, options.sample, dialogs);
    Database& db = module->database();
    NoProgress progress;
    if (!options.postgres)
        db.exec(QStringLiteral("VACUUM INTO '%1'")
                    .arg(QDir(dir).filePath(QStringLiteral("baseline.db"))));
    if (!dialogs.problems.isEmpty()) {
        err << "Preparing the sample failed:" << Qt::endl
            << dialogs.problems.join('\n') << Qt::endl;
        return 1;
    }

    const billing::GenerationSettings settings = monthRunSettings(options.sample);
    dialogs.problems.clear();
    const qint64 historyBefore = count(db, QStringLiteral("History"));
    const long memoryBefore = peakMegabytes();

    const Database::Traffic trafficBefore = db.traffic();
    QElapsedTimer timer;
    timer.start();
    billing::GenerationRun run(db, dialogs, progress, settings);
    run.setCollectUnbilled(!options.withoutUnbilled);
    const billing::GenerationResult result = run.run();
    if (!options.exceptionsFile.isEmpty())
        billing::writeUnbilledCsv(options.exceptionsFile, result.unbilled);
    const qint64 ns = timer.nsecsElapsed();

    if (result.outcome != billing::RunOutcome::Completed) {
        err << "The run did not complete: " << result.error << Qt::endl
            << dialogs.problems.join('\n') << Qt::endl;
        return 1;
    }
    qint64 funderInvoices = 0;
    for (const billing::GeneratedInvoice& invoice : result.invoices)
        funderInvoices += invoice.customerType == QLatin1String("F") ? 1 : 0;
    const qint64 invoices = count(db, QStringLiteral("ARInv"));
    const qint64 lines = count(db, QStringLiteral("ARInvDet"));
    const qint64 history = count(db, QStringLiteral("History")) - historyBefore;
    out << "run: " << QString::number(double(ns) / 1e9, 'f', 3) << " s, " << invoices
        << " invoices (" << invoices - funderInvoices << " client, " << funderInvoices
        << " funder), " << lines << " lines, " << history << " history entries; peak memory "
        << peakMegabytes() << " MB (" << memoryBefore << " MB before the run)";
    if (!dialogs.problems.isEmpty())
        out << "; " << dialogs.problems.size() << " warnings shown";
    out << Qt::endl;
    const Database::Traffic& traffic = db.traffic();
    out << "traffic: " << traffic.statements - trafficBefore.statements << " statements executed, "
        << traffic.prepares - trafficBefore.prepares << " prepared, "
        << traffic.roundTrips() - trafficBefore.roundTrips() << " round trips" << Qt::endl;
    out << "unbilled: " << result.unbilled.size() << " meal credits"
        << (options.withoutUnbilled            ? " (not listed)"
            : options.exceptionsFile.isEmpty() ? " listed and kept"
                                               : " listed, kept and written")
        << Qt::endl;
    out << "run-ns: " << ns << Qt::endl;
    out << "rows: " << invoices << ' ' << lines << ' ' << history << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    options.sample.clients = 10000;
    options.sample.periodStart = QDate(2025, 3, 1); // a month of 21 delivery days
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            options.postgres = true;
        else if (args[i] == QLatin1String("--clients") && i + 1 < args.size())
            options.sample.clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            options.sample.seed = args[++i].toULongLong();
        else if (args[i] == QLatin1String("--exceptions") && i + 1 < args.size())
            options.exceptionsFile = args[++i];
        else if (args[i] == QLatin1String("--without-unbilled"))
            options.withoutUnbilled = true;
        else
            options.dir = args[i];
    }
    if (options.postgres == !options.dir.isEmpty()) {
        err << "Usage: bench_generate DIR|--postgres [--clients N] [--seed S]" << Qt::endl;
        return 2;
    }

    try {
        if (!options.postgres) {
            QDir().mkpath(options.dir);
            const QString file = QDir(options.dir).filePath(QStringLiteral("Hearthtable.db"));
            QFile::remove(file);
            QFile::remove(QDir(options.dir).filePath(QStringLiteral("baseline.db")));
            return benchmark(Database::open(ConnectionParams::sqlite(file)), options.dir, options,
                             out, err);
        }

        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ConnectionParams server = ConnectionParams::fromPostgresKeywords(keywords);
        const ThrowawaySchema schema(server, QStringLiteral("bench_generate"));
        QTemporaryDir shared; // the shared folder a client-server site keeps its ini file in
        return benchmark(Database::open(schema.params()), shared.path(), options, out, err);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

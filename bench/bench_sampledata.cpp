// Times the sample-data generator on the PostgreSQL server that TALLYWICK_PG names, in a schema
// of its own that it drops afterwards. Run by scripts/bench; not part of the test run.
//
//   bench_sampledata [--clients N] [--period YYYY-MM] [--seed S]
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "host/sampledata.h"
#include "throwawayschema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SampleDataOptions options;
    options.clients = 20000;
    options.periodStart = QDate(2025, 3, 1); // a month of 21 delivery days
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--clients"))
            options.clients = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            options.seed = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--period"))
            options.periodStart =
                QDate::fromString(args[i + 1] + QStringLiteral("-01"), Qt::ISODate);
    }
    const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
    if (keywords.isEmpty()) {
        err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
        return 2;
    }

    try {
        const ConnectionParams server = ConnectionParams::fromPostgresKeywords(keywords);
        const ThrowawaySchema schema(server, QStringLiteral("bench"));
        auto db = Database::open(schema.params());

        QElapsedTimer timer;
        timer.start();
        generateSampleData(*db, options);
        const qint64 generated = timer.elapsed();
        timer.restart();
        const QStringList problems = checkSampleData(*db);
        const qint64 checked = timer.elapsed();

        qint64 rows = 0;
        for (const auto& count : countHostRows(*db))
            rows += count.second;
        out << options.clients << " clients, " << rows << " rows: generated in "
            << QString::number(generated / 1000.0, 'f', 1) << " s, checked in "
            << QString::number(checked / 1000.0, 'f', 1) << " s (" << db->engineVersion() << ")"
            << Qt::endl;
        for (const QString& problem : problems)
            err << problem << Qt::endl;
        return problems.isEmpty() ? 0 : 1;
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

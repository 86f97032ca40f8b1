#pragma once
// What the two posting timing programs (bench_post, bench_pay) share: the command line, the
// database on SQLite or a throwaway PostgreSQL schema, and one timed pass with its report.
// Each program makes its own ledger and runs its own pass.
//
//   NAME DIR|--postgres [--DOCUMENTS N]
#include "common/dialogs.h"
#include "engine/database.h"
#include "throwawayschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <functional>

// Retry on a lock, which a lone benchmark never meets.
class RetryDialogs final : public Dialogs
{
public:
    void inform(Kind, const QString& text) override { problems << text; }
    Button ask(Kind, const QString&, Buttons) override { return Retry; }
    QStringList problems;
};

struct PostingBench {
    QString name;      // the program, also the PostgreSQL schema's prefix
    QString documents; // "invoices", "payments": the count's option and the report's noun
    // Makes `count` documents waiting to be posted, with what they need.
    std::function<void(Database&, int count)> makeLedger;
    // One posting pass; how many documents it posted, or -1 when it stopped.
    std::function<int(Database&, Dialogs&, Progress&)> post;
};

namespace postingbench
{

inline int timePass(const PostingBench& bench, std::unique_ptr<Database> db, const QString& copyTo,
                    int count, QTextStream& out, QTextStream& err)
{
    bench.makeLedger(*db, count);
    if (!copyTo.isEmpty())
        db->exec(QStringLiteral("VACUUM INTO '%1'").arg(copyTo));
    const Database::Traffic before = db->traffic();
    RetryDialogs dialogs;
    NoProgress quiet;
    QElapsedTimer timer;
    timer.start();
    const int posted = bench.post(*db, dialogs, quiet);
    const qint64 ns = timer.nsecsElapsed();
    if (posted != count) {
        err << "posting stopped: " << dialogs.problems.join(QStringLiteral("; ")) << Qt::endl;
        return 1;
    }
    const Database::Traffic& after = db->traffic();
    out << "run: " << QString::number(double(ns) / 1e9, 'f', 3) << " s, " << posted << ' '
        << bench.documents << " posted" << Qt::endl;
    out << "traffic: " << (after.statements - before.statements) << " statements, "
        << (after.prepares - before.prepares) << " prepared" << Qt::endl;
    out << "run-ns: " << ns << Qt::endl;
    return 0;
}

// The whole program: on SQLite it leaves a copy of the database as it was before posting
// (baseline.db beside it) for the baseline program.
inline int run(int argc, char** argv, const PostingBench& bench)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString dir;
    bool postgres = false;
    int count = 10000;
    const QString countOption = QStringLiteral("--") + bench.documents;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            postgres = true;
        else if (args[i] == countOption && i + 1 < args.size())
            count = args[++i].toInt();
        else
            dir = args[i];
    }
    if (postgres == !dir.isEmpty() || count <= 0) {
        err << "Usage: " << bench.name << " DIR|--postgres [" << countOption << " N]" << Qt::endl;
        return 2;
    }
    try {
        if (!postgres) {
            QDir().mkpath(dir);
            const QString file = QDir(dir).filePath(QStringLiteral("Hearthtable.db"));
            const QString copy = QDir(dir).filePath(QStringLiteral("baseline.db"));
            QFile::remove(file);
            QFile::remove(copy);
            return timePass(bench, Database::open(ConnectionParams::sqlite(file)), copy, count, out,
                            err);
        }
        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ThrowawaySchema schema(ConnectionParams::fromPostgresKeywords(keywords), bench.name);
        return timePass(bench, Database::open(schema.params()), QString(), count, out, err);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

} // namespace postingbench

// Times one invoice posting pass over printed invoices made straight with SQL: customers with
// balance rows in two currencies, and their printed, unposted invoices. Run by scripts/bench
// post; not part of the test run. On SQLite it leaves a copy of the database as it was before
// posting (baseline.db beside it) for bench_post_baseline.
//
//   bench_post DIR|--postgres [--invoices N]
#include "common/dialogs.h"
#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "throwawayschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

namespace
{

// Retry on a lock, which a lone benchmark never meets.
class RetryDialogs final : public Dialogs
{
public:
    void inform(Kind, const QString& text) override { problems << text; }
    Button ask(Kind, const QString&, Buttons) override { return Retry; }
    QStringList problems;
};

void makeLedger(Database& db, int invoices)
{
    for (const TableDef& t : {ar::arInv(), ar::customer(), ar::currency(), ar::cBalance()})
        schema::createTable(db, t);
    const int customers = std::max(1, invoices / 5);
    Transaction transaction(db);
    BatchInsert currencies(db, ar::currency(),
                           {QStringLiteral("CurrencyID"), QStringLiteral("ExchangeRate")});
    currencies.add({1, 1.0});
    currencies.add({2, 0.7325});
    currencies.finish();
    BatchInsert customer(
        db, ar::customer(),
        {QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"), QStringLiteral("CurrencyID")});
    BatchInsert balance(db, ar::cBalance(),
                        {QStringLiteral("CustomerID"), QStringLiteral("Balance")});
    for (int c = 1; c <= customers; ++c) {
        customer.add({c, QString::number(1000 + c), 1 + c % 2});
        balance.add({c, qint64(0)});
    }
    customer.finish();
    balance.finish();
    BatchInsert invoice(db, ar::arInv(),
                        {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"),
                         QStringLiteral("InvoiceNo"), QStringLiteral("InvoiceAmount"),
                         QStringLiteral("Owing"), QStringLiteral("Printed"),
                         QStringLiteral("Posted")});
    for (int i = 1; i <= invoices; ++i) {
        const qint64 amount = 1390000 + 10000 * (i % 17);
        invoice.add(
            {i, 1 + i % customers, QString::number(10000 + i), amount, amount, true, false});
    }
    invoice.finish();
    transaction.commit();
}

int benchmark(std::unique_ptr<Database> db, const QString& copyTo, int invoices, QTextStream& out,
              QTextStream& err)
{
    makeLedger(*db, invoices);
    if (!copyTo.isEmpty())
        db->exec(QStringLiteral("VACUUM INTO '%1'").arg(copyTo));
    const Database::Traffic before = db->traffic();
    RetryDialogs dialogs;
    NoProgress quiet;
    QElapsedTimer timer;
    timer.start();
    const InvoicePostingResult result = InvoicePostingRun(*db, dialogs, quiet).run();
    const qint64 ns = timer.nsecsElapsed();
    if (result.outcome != InvoicePostingOutcome::Posted || result.posted != invoices) {
        err << "posting stopped: " << dialogs.problems.join(QStringLiteral("; ")) << Qt::endl;
        return 1;
    }
    const Database::Traffic& after = db->traffic();
    out << "run: " << QString::number(double(ns) / 1e9, 'f', 3) << " s, " << result.posted
        << " invoices posted" << Qt::endl;
    out << "traffic: " << (after.statements - before.statements) << " statements, "
        << (after.prepares - before.prepares) << " prepared" << Qt::endl;
    out << "run-ns: " << ns << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString dir;
    bool postgres = false;
    int invoices = 10000;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            postgres = true;
        else if (args[i] == QLatin1String("--invoices") && i + 1 < args.size())
            invoices = args[++i].toInt();
        else
            dir = args[i];
    }
    if (postgres == !dir.isEmpty() || invoices <= 0) {
        err << "Usage: bench_post DIR|--postgres [--invoices N]" << Qt::endl;
        return 2;
    }
    try {
        if (!postgres) {
            QDir().mkpath(dir);
            const QString file = QDir(dir).filePath(QStringLiteral("Hearthtable.db"));
            const QString copy = QDir(dir).filePath(QStringLiteral("baseline.db"));
            QFile::remove(file);
            QFile::remove(copy);
            return benchmark(Database::open(ConnectionParams::sqlite(file)), copy, invoices, out,
                             err);
        }
        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ThrowawaySchema schema(ConnectionParams::fromPostgresKeywords(keywords),
                                     QStringLiteral("bench_post"));
        return benchmark(Database::open(schema.params()), QString(), invoices, out, err);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

// Times one payment posting pass over payments made straight with SQL: customers with balance
// rows, their posted invoices, and unposted payments each paying one to three of them (in full,
// in part, with a discount or with a write-off). Run by scripts/bench payments; not part of
// the test run. On SQLite it leaves a copy of the database as it was before posting
// (baseline.db beside it) for bench_pay_baseline.
//
//   bench_pay DIR|--postgres [--payments N]
#include "common/dialogs.h"
#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "throwawayschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
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

QVariant amount(qint64 raw)
{
    return raw == 0 ? QVariant() : QVariant(raw);
}

void makeLedger(Database& db, int payments)
{
    for (const TableDef& t :
         {ar::arInv(), ar::customer(), ar::currency(), ar::cBalance(), ar::arPmt(), ar::arInvPmt()})
        schema::createTable(db, t);
    const int customers = std::max(1, payments / 5);
    Transaction transaction(db);
    BatchInsert currencies(db, ar::currency(),
                           {QStringLiteral("CurrencyID"), QStringLiteral("ExchangeRate")});
    currencies.add({1, 1.0});
    currencies.finish();
    BatchInsert customer(
        db, ar::customer(),
        {QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"), QStringLiteral("CurrencyID")});
    for (int c = 1; c <= customers; ++c)
        customer.add({c, QString::number(1000 + c), 1});
    customer.finish();

    BatchInsert invoice(db, ar::arInv(),
                        {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"),
                         QStringLiteral("InvoiceNo"), QStringLiteral("InvoiceAmount"),
                         QStringLiteral("PaidAmount"), QStringLiteral("DiscTakenAmount"),
                         QStringLiteral("WriteOffAmount"), QStringLiteral("Owing"),
                         QStringLiteral("Printed"), QStringLiteral("Posted")});
    BatchInsert payment(db, ar::arPmt(),
                        {QStringLiteral("PaymentID"), QStringLiteral("ChequeNo"),
                         QStringLiteral("CustomerID"), QStringLiteral("ChequeAmount"),
                         QStringLiteral("Posted"), QStringLiteral("Reconciled")});
    BatchInsert line(db, ar::arInvPmt(),
                     {QStringLiteral("ARInvoiceID"), QStringLiteral("PaymentID"),
                      QStringLiteral("Seq"), QStringLiteral("PaymentAmount"),
                      QStringLiteral("DiscTakenAmount"), QStringLiteral("WriteOffAmount")});
    QHash<int, qint64> balances;
    qint64 invoiceId = 0;
    for (int n = 1; n <= payments; ++n) {
        const int customerId = 1 + n % customers;
        qint64 cheque = 0;
        for (int seq = 1; seq <= 1 + n % 3; ++seq) {
            const qint64 raw = 1390000 + 10000 * (++invoiceId % 17);
            invoice.add({invoiceId, customerId, QString::number(10000 + invoiceId), raw, 0, 0, 0,
                         raw, true, true});
            balances[customerId] += raw;
            qint64 paid = raw;
            qint64 discount = 0;
            qint64 writeOff = 0;
            switch ((n + seq) % 4) {
            case 1:
                paid = raw / 2;
                break; // in part
            case 2:
                discount = raw / 50;
                paid = raw - discount;
                break; // 2 % discount
            case 3:
                writeOff = 3000;
                paid = raw - writeOff;
                break;
            default:
                break; // in full
            }
            cheque += paid;
            line.add({invoiceId, n, seq, paid, amount(discount), amount(writeOff)});
        }
        payment.add({n, QString::number(n), customerId, cheque, false, false});
    }
    invoice.finish();
    payment.finish();
    line.finish();
    BatchInsert balance(db, ar::cBalance(),
                        {QStringLiteral("CustomerID"), QStringLiteral("Balance")});
    for (auto it = balances.constBegin(); it != balances.constEnd(); ++it)
        balance.add({it.key(), it.value()});
    balance.finish();
    transaction.commit();
    // Fresh statistics, as a database in use has.
    db.exec(QStringLiteral("ANALYZE"));
}

int benchmark(std::unique_ptr<Database> db, const QString& copyTo, int payments, QTextStream& out,
              QTextStream& err)
{
    makeLedger(*db, payments);
    if (!copyTo.isEmpty())
        db->exec(QStringLiteral("VACUUM INTO '%1'").arg(copyTo));
    const Database::Traffic before = db->traffic();
    RetryDialogs dialogs;
    NoProgress quiet;
    QElapsedTimer timer;
    timer.start();
    const PaymentPostingResult result = PaymentPostingRun(*db, dialogs, quiet).run();
    const qint64 ns = timer.nsecsElapsed();
    if (result.outcome != PaymentPostingOutcome::Posted || result.posted != payments) {
        err << "posting stopped: " << dialogs.problems.join(QStringLiteral("; ")) << Qt::endl;
        return 1;
    }
    const Database::Traffic& after = db->traffic();
    out << "run: " << QString::number(double(ns) / 1e9, 'f', 3) << " s, " << result.posted
        << " payments posted" << Qt::endl;
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
    int payments = 10000;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            postgres = true;
        else if (args[i] == QLatin1String("--payments") && i + 1 < args.size())
            payments = args[++i].toInt();
        else
            dir = args[i];
    }
    if (postgres == !dir.isEmpty() || payments <= 0) {
        err << "Usage: bench_pay DIR|--postgres [--payments N]" << Qt::endl;
        return 2;
    }
    try {
        if (!postgres) {
            QDir().mkpath(dir);
            const QString file = QDir(dir).filePath(QStringLiteral("Hearthtable.db"));
            const QString copy = QDir(dir).filePath(QStringLiteral("baseline.db"));
            QFile::remove(file);
            QFile::remove(copy);
            return benchmark(Database::open(ConnectionParams::sqlite(file)), copy, payments, out,
                             err);
        }
        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ThrowawaySchema schema(ConnectionParams::fromPostgresKeywords(keywords),
                                     QStringLiteral("bench_pay"));
        return benchmark(Database::open(schema.params()), QString(), payments, out, err);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

// Times the list reports over a large ledger, as the command line prints them to a PDF: 100,000
// posted invoices still owing, of 10,000 customers in two currencies, dated over fifteen months,
// a few of them credits and a few a funder's for one of its clients. Filling the ledger is not
// timed. Each report is a list of named steps, each timed on its own. Run by scripts/bench
// reports; not part of the test run.
//
//   bench_reports DIR|--postgres [--invoices N]
#include "common/memoryreuse.h"
#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "report/pdfoutput.h"
#include "reports/aged/agedtrialbalance.h"
#include "reports/statements/arstatements.h"
#include "reports/statements/statementlines.h"
#include "throwawayschema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace
{

const QDate kAsOf(2025, 3, 31);
constexpr int kInvoicesPerCustomer = 10;
constexpr int kDaySpread = 456; // about fifteen months before the as-of date

// Every tenth customer is a funder whose invoices are for one of the clients.
bool isFunder(int customer)
{
    return customer % 10 == 0;
}

QString customerNo(int customer)
{
    return QStringLiteral("C%1").arg(customer, 6, 10, QLatin1Char('0'));
}

void makeLedger(Database& db, int invoices)
{
    for (const TableDef& t : {ar::arInv(), ar::customer(), ar::currency()})
        schema::createTable(db, t);
    const int customers = std::max(1, invoices / kInvoicesPerCustomer);
    const QStringList surnames = {QStringLiteral("Abernathy"),  QStringLiteral("Brooks"),
                                  QStringLiteral("Castellano"), QStringLiteral("Delacroix"),
                                  QStringLiteral("Eastwood"),   QStringLiteral("Fitzgerald"),
                                  QStringLiteral("Gallagher"),  QStringLiteral("Hollingsworth"),
                                  QStringLiteral("Ito"),        QStringLiteral("Jovanovic")};
    Transaction transaction(db);
    BatchInsert currencies(db, ar::currency(),
                           {QStringLiteral("CurrencyID"), QStringLiteral("CurrencyName"),
                            QStringLiteral("ExchangeRate")});
    currencies.add({1, QStringLiteral("Dollars"), 0.0});
    currencies.add({2, QStringLiteral("US Dollars"), 1.3425});
    currencies.finish();

    BatchInsert customer(
        db, ar::customer(),
        {QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"), QStringLiteral("CustomerName"),
         QStringLiteral("Contact"), QStringLiteral("Phone"), QStringLiteral("CurrencyID"),
         QStringLiteral("CustomerType"), QStringLiteral("AddressLine1"), QStringLiteral("City"),
         QStringLiteral("StateProv"), QStringLiteral("ZipCode"), QStringLiteral("PrintStatement")});
    for (int c = 1; c <= customers; ++c) {
        const QString name =
            isFunder(c) ? QStringLiteral("%1 Community Fund %2")
                              .arg(surnames[(c / 10) % surnames.size()])
                              .arg(c)
                        : QStringLiteral("%1, Pat %2").arg(surnames[c % surnames.size()]).arg(c);
        customer.add(
            {c, customerNo(c), name, QStringLiteral("Pat %1").arg(surnames[c % 7]),
             QStringLiteral("(613) 555-%1").arg(c % 10000, 4, 10, QLatin1Char('0')),
             1 + (c % 5 == 0 ? 1 : 0), isFunder(c) ? QStringLiteral("F") : QStringLiteral("C"),
             QStringLiteral("%1 Riverside Drive").arg(c % 900 + 1), QStringLiteral("Riverbend"),
             QStringLiteral("OH"), QStringLiteral("45601"), true});
    }
    customer.finish();

    BatchInsert invoice(
        db, ar::arInv(),
        {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"), QStringLiteral("InvoiceNo"),
         QStringLiteral("Description"), QStringLiteral("InvoiceDate"),
         QStringLiteral("InvoiceAmount"), QStringLiteral("Owing"), QStringLiteral("Printed"),
         QStringLiteral("Posted"), QStringLiteral("Recip_ID"), QStringLiteral("CustomerType")});
    for (int i = 1; i <= invoices; ++i) {
        const int c = 1 + (i - 1) % customers;
        const QDate date = kAsOf.addDays(-((i * 7919) % kDaySpread));
        const bool credit = i % 97 == 0;
        const qint64 amount = (credit ? -1 : 1) * (1250000 + 10000 * (i % 311));
        const qint64 owing = i % 3 == 0 ? amount / 2 : amount;
        const QString recipient = isFunder(c) ? customerNo(c - 1 - i % 9) : QString();
        invoice.add(
            {i, c, QString::number(100000 + i),
             QStringLiteral("Meals delivered %1").arg(date.toString(QStringLiteral("MMMM yyyy"))),
             date, amount, owing, true, true, recipient,
             isFunder(c) ? QStringLiteral("F") : QStringLiteral("C")});
    }
    invoice.finish();
    transaction.commit();
}

// One timed part of a report: reading its rows, printing its pages.
struct TimedStep {
    QString name;
    std::function<void()> run;
};

// A report as the command line runs it, step by step, and what it made.
struct TimedReport {
    QString name;
    std::vector<TimedStep> steps;
    std::function<QString()> made; // "100000 invoices, 1400 pages"
};

TimedReport agedTrialBalance(Database& db, const QString& pdf)
{
    struct State {
        std::vector<reports::AgedLine> lines;
        int pages = 0;
    };
    auto state = std::make_shared<State>();
    reports::AgedSelection selection;
    selection.asOf = kAsOf;
    TimedReport report;
    report.name = QStringLiteral("aged trial balance");
    report.steps.push_back({QStringLiteral("reading the lines"), [&db, state, selection] {
                                state->lines = reports::agedLines(db, selection);
                            }});
    report.steps.push_back({QStringLiteral("printing"), [state, selection, pdf] {
                                report::RunOptions options;
                                options.printedAt = QDateTime(kAsOf, QTime(9, 0));
                                options.parameters =
                                    reports::agedHeadings(selection, QString(), QString());
                                report::PdfOutput output(pdf, QStringLiteral("Aged Trial Balance"));
                                state->pages =
                                    reports::printAgedTrialBalance(state->lines, output, options);
                                output.finish();
                            }});
    report.made = [state] {
        return QStringLiteral("%1 invoices, %2 pages").arg(state->lines.size()).arg(state->pages);
    };
    return report;
}

// The statements of every customer as the report menu previews them and the command prints
// them: the lines read once, then one statement per customer.
TimedReport statements(Database& db, const QString& pdf)
{
    struct State {
        std::vector<reports::StatementLine> lines;
        int pages = 0;
    };
    auto state = std::make_shared<State>();
    reports::ReportSelection selection;
    selection.asOf = kAsOf;
    TimedReport report;
    report.name = QStringLiteral("statements");
    report.steps.push_back({QStringLiteral("reading the lines"), [&db, state, selection] {
                                state->lines = reports::statementLines(db, selection);
                            }});
    report.steps.push_back({QStringLiteral("printing"), [state, pdf] {
                                InvoiceLetterhead letterhead;
                                letterhead.companyName =
                                    QStringLiteral("Riverbend Community Meals");
                                letterhead.addressLines = {QStringLiteral("418 Foundry Street"),
                                                           QStringLiteral("Riverbend OH 45601")};
                                report::RunOptions options;
                                options.printedAt = QDateTime(kAsOf, QTime(9, 0));
                                report::PdfOutput output(pdf, QStringLiteral("AR Statements"));
                                state->pages = reports::printStatementLines(
                                    state->lines, letterhead, kAsOf, output, options);
                                output.finish();
                            }});
    report.made = [state] {
        return QStringLiteral("%1 invoices, %2 pages").arg(state->lines.size()).arg(state->pages);
    };
    return report;
}

QString seconds(qint64 ns)
{
    return QString::number(double(ns) / 1e9, 'f', 2) + QStringLiteral(" s");
}

// A name as one word, for the lines scripts/bench reads.
QString key(QString name)
{
    return name.replace(QLatin1Char(' '), QLatin1Char('_'));
}

// The processor time of this program so far: on a machine shared with others the elapsed time
// also counts their work.
qint64 processorNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

int benchmark(std::unique_ptr<Database> db, const QString& dir, int invoices, QTextStream& out)
{
    makeLedger(*db, invoices);
    const std::vector<TimedReport> timed = {
        agedTrialBalance(*db, QDir(dir).filePath(QStringLiteral("aged.pdf"))),
        statements(*db, QDir(dir).filePath(QStringLiteral("statements.pdf")))};
    for (const TimedReport& report : timed) {
        QStringList parts, steps;
        qint64 total = 0, processor = 0;
        for (const TimedStep& step : report.steps) {
            QElapsedTimer timer;
            const qint64 processorBefore = processorNs();
            timer.start();
            step.run();
            const qint64 ns = timer.nsecsElapsed();
            const qint64 processorUsed = processorNs() - processorBefore;
            total += ns;
            processor += processorUsed;
            parts << QStringLiteral("%1 %2 (%3 processor)")
                         .arg(step.name, seconds(ns), seconds(processorUsed));
            steps << QStringLiteral("ns: %1/%2 %3").arg(key(report.name), key(step.name)).arg(ns);
        }
        out << report.name << ": " << report.made() << "; " << parts.join(QStringLiteral(", "))
            << "; total " << seconds(total) << " (" << seconds(processor)
            << " processor in this program) (target: at most 5 s)" << Qt::endl;
        // For scripts/bench, which compares the engines step by step.
        for (const QString& line : steps)
            out << line << Qt::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    keepFreedMemoryForReuse(); // as the command line does
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString dir;
    bool postgres = false;
    int invoices = 100000;
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
        err << "Usage: bench_reports DIR|--postgres [--invoices N]" << Qt::endl;
        return 2;
    }
    try {
        if (!postgres) {
            QDir().mkpath(dir);
            const QString file = QDir(dir).filePath(QStringLiteral("Hearthtable.db"));
            QFile::remove(file);
            return benchmark(Database::open(ConnectionParams::sqlite(file)), dir, invoices, out);
        }
        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ThrowawaySchema schema(ConnectionParams::fromPostgresKeywords(keywords),
                                     QStringLiteral("bench_reports"));
        QTemporaryDir files;
        return benchmark(Database::open(schema.params()), files.path(), invoices, out);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

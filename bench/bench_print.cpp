// Times printing a month's generated invoices to one PDF: pages a second, and the peak memory
// after a small batch and after the whole one, which should be alike because pages go to the
// file as they are made. The sample is made, customers and items synchronized and the month's
// invoices generated first; only the printing is timed. Run by scripts/bench print.
//
//   bench_print DIR [--clients N] [--invoices N]   on the embedded database in DIR
//   bench_print --postgres [--clients N] [--invoices N]
#include "benchsupport.h"
#include "billing/generationrun.h"
#include "data/datamodule.h"
#include "engine/connectionparams.h"
#include "host/sampledata.h"
#include "report/pdfoutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "throwawayschema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace
{

struct Options {
    QString dir;
    bool postgres = false;
    int invoices = 2000;
    SampleDataOptions sample;
};

struct Printed {
    int invoices = 0;
    int pages = 0;
    qint64 ns = 0;
};

// The first `invoices` invoices by number, printed to `file`.
Printed print(Database& db, int invoices, const QString& file)
{
    InvoiceSelection selection;
    selection.replaceSelectionLine(
        QStringLiteral("WHERE I.ARInvoiceID IN (SELECT ARInvoiceID FROM ARInv ORDER BY "
                       "InvoiceNo LIMIT %1)")
            .arg(invoices));
    NoProgress progress;
    QElapsedTimer timer;
    timer.start();
    PrintedInvoiceReader reader(db, selection);
    TrptARInvoiceAndStatement document(readInvoiceOrganization(db));
    report::PdfOutput pdf(file, TrptARInvoiceAndStatement::title());
    Printed printed;
    printed.pages = document.print(reader, pdf, progress);
    pdf.finish();
    printed.ns = timer.nsecsElapsed();
    printed.invoices = reader.count();
    return printed;
}

int benchmark(std::unique_ptr<Database> connection, const QString& dir, const Options& options,
              QTextStream& out, QTextStream& err)
{
    YesDialogs dialogs;
    const auto module = preparedSample(std::move(connection), dir, options.sample, dialogs);
    Database& db = module->database();
    NoProgress progress;
    const billing::GenerationSettings settings = monthRunSettings(options.sample);
    if (billing::GenerationRun(db, dialogs, progress, settings).run().outcome !=
        billing::RunOutcome::Completed) {
        err << "Generating the invoices failed: " << dialogs.problems.join('\n') << Qt::endl;
        return 1;
    }
    const qint64 available = count(db, QStringLiteral("ARInv"));
    if (available < options.invoices) {
        err << "The sample has " << available << " invoices, fewer than " << options.invoices
            << "; give more --clients." << Qt::endl;
        return 1;
    }

    QTemporaryDir files;
    resetPeakMemory();
    const long before = peakMegabytesSinceReset();
    const Printed small = print(db, options.invoices / 4, files.filePath(QStringLiteral("a.pdf")));
    const long afterSmall = peakMegabytesSinceReset();
    resetPeakMemory();
    const QString whole = files.filePath(QStringLiteral("b.pdf"));
    const Printed all = print(db, options.invoices, whole);
    const long afterAll = peakMegabytesSinceReset();
    const auto rate = [](const Printed& p) { return p.pages / (double(p.ns) / 1e9); };
    out << "small: " << small.invoices << " invoices, " << small.pages << " pages in "
        << QString::number(double(small.ns) / 1e9, 'f', 2) << " s, "
        << QString::number(rate(small), 'f', 0) << " pages/s; peak memory while printing "
        << afterSmall << " MB" << Qt::endl;
    out << "whole: " << all.invoices << " invoices, " << all.pages << " pages in "
        << QString::number(double(all.ns) / 1e9, 'f', 2) << " s, "
        << QString::number(rate(all), 'f', 0) << " pages/s; peak memory while printing " << afterAll
        << " MB (" << before << " MB before printing); PDF " << QFileInfo(whole).size() / 1024
        << " KB" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    options.sample.clients = 6000;
    options.sample.periodStart = QDate(2025, 3, 1);
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--postgres"))
            options.postgres = true;
        else if (args[i] == QLatin1String("--clients") && i + 1 < args.size())
            options.sample.clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--invoices") && i + 1 < args.size())
            options.invoices = args[++i].toInt();
        else
            options.dir = args[i];
    }
    if (options.postgres == !options.dir.isEmpty()) {
        err << "Usage: bench_print DIR|--postgres [--clients N] [--invoices N]" << Qt::endl;
        return 2;
    }
    try {
        if (!options.postgres) {
            QDir().mkpath(options.dir);
            const QString file = QDir(options.dir).filePath(QStringLiteral("Hearthtable.db"));
            QFile::remove(file);
            return benchmark(Database::open(ConnectionParams::sqlite(file)), options.dir, options,
                             out, err);
        }
        const QString keywords = qEnvironmentVariable("TALLYWICK_PG");
        if (keywords.isEmpty()) {
            err << "TALLYWICK_PG names no PostgreSQL server." << Qt::endl;
            return 2;
        }
        const ThrowawaySchema schema(ConnectionParams::fromPostgresKeywords(keywords),
                                     QStringLiteral("bench_print"));
        QTemporaryDir shared;
        return benchmark(Database::open(schema.params()), shared.path(), options, out, err);
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}

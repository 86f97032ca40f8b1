// Reports on paper: the copies rule, what reaches the printer (written here as PDF and read
// back with poppler's tools), and where a print goes when the desktop has no printer.
#include "common/printercheck.h"
#include "numberedpages.h"
#include "pdfreading.h"
#include "programrun.h"
#include "report/page.h"
#include "report/pagesetup.h"
#include "report/ui/copyplan.h"
#include "report/ui/outputdevice.h"
#include "report/ui/printeroutput.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using report::CopyPlan;
using report::OutputDevice;
using report::Page;
using report::PageItem;
using report::PrintRequest;

namespace
{

// A report of `pages` pages that counts how often it is run.
struct CountedReport {
    int pages = 3;
    int runs = 0;
    void operator()(report::PageSink& sink)
    {
        ++runs;
        for (int n = 1; n <= pages; ++n)
            sink.addPage(numberedPage(n));
        sink.finish();
    }
};

void pdfPrinter(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    report::prepareReportPrinter(printer);
}

} // namespace

class TestPrinterOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        setPrinterNameSource({});
        setPdfOutputFolderSource({});
    }

    void copyPlan_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<int>("driverCopies");
        QTest::addColumn<int>("expectedDriverCopies");
        QTest::addColumn<int>("expectedPasses");
        QTest::newRow("one copy") << 1 << true << 1 << 1 << 1;
        QTest::newRow("zero copies print one") << 0 << false << 5 << 1 << 1;
        QTest::newRow("negative copies print one") << -3 << true << 1 << 1 << 1;
        QTest::newRow("collated sets, even with a driver that copies") << 3 << true << 3 << 1 << 3;
        QTest::newRow("uncollated, the driver makes the copies") << 3 << false << 3 << 3 << 1;
        QTest::newRow("uncollated, the driver makes more than asked") << 2 << false << 99 << 2 << 1;
        QTest::newRow("uncollated, the driver makes too few") << 4 << false << 2 << 1 << 4;
        QTest::newRow("uncollated, a driver without copies") << 2 << false << 1 << 1 << 2;
    }
    void copyPlan()
    {
        QFETCH(int, requested);
        QFETCH(bool, collate);
        QFETCH(int, driverCopies);
        QFETCH(int, expectedDriverCopies);
        QFETCH(int, expectedPasses);
        QCOMPARE(report::planCopies(requested, collate, driverCopies),
                 (CopyPlan{expectedDriverCopies, expectedPasses}));
    }

    // The PDF printer makes no copies of its own, so every copy is a run of the report.
    void printsCopiesAndRangeOntoThePrinter_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("folios");
        QTest::newRow("whole report") << 1 << true << 0 << 0 << 1 << "1 2 3";
        QTest::newRow("no copies asked for") << 0 << true << 0 << 0 << 1 << "1 2 3";
        QTest::newRow("two collated sets") << 2 << true << 0 << 0 << 2 << "1 2 3 1 2 3";
        QTest::newRow("uncollated without driver copies")
            << 2 << false << 0 << 0 << 2 << "1 2 3 1 2 3";
        QTest::newRow("pages 2 to 3, twice") << 2 << true << 2 << 3 << 2 << "2 3 2 3";
        QTest::newRow("from page 3 on") << 1 << true << 3 << 0 << 1 << "3";
        QTest::newRow("last page only") << 1 << true << 3 << 3 << 1 << "3";
    }
    void printsCopiesAndRangeOntoThePrinter()
    {
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, runs);
        QFETCH(QString, folios);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        CountedReport report;
        const int sent = report::printReport(
            printer, [&](report::PageSink& sink) { report(sink); },
            PrintRequest{copies, collate, first, last});

        QStringList expected;
        for (const QString& n : folios.split(QLatin1Char(' ')))
            expected << QStringLiteral("Folio") + n;
        QCOMPARE(report.runs, runs);
        QCOMPARE(sent, int(expected.size()));
        QCOMPARE(pdfPageCount(file), int(expected.size()));
        QCOMPARE(pdfWords(file), expected);
    }

    // Full-page coordinates: what the report places a quarter inch from the paper's edge is
    // printed there, not shifted again by the printer's own margins.
    void keepsTheReportsOwnMargins()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("margins.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        CountedReport report;
        report.pages = 1;
        report::printReport(printer, [&](report::PageSink& sink) { report(sink); }, {});

        const ProgramRun run =
            runProgram(QStringLiteral("pdftotext"),
                       {QStringLiteral("-bbox"), file, dir.filePath(QStringLiteral("box.html"))});
        QCOMPARE(run.exitCode, 0);
        QFile html(dir.filePath(QStringLiteral("box.html")));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(html.readAll());
        const auto page = QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" "
                                                            "height=\"([\\d.]+)\""))
                              .match(text);
        QVERIFY(page.hasMatch());
        QCOMPARE(qRound(page.captured(1).toDouble()), 612);
        QCOMPARE(qRound(page.captured(2).toDouble()), 792);
        const auto word = QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\" "
                                                            "yMin=\"([\\d.]+)\".*>Folio1<"))
                              .match(text);
        QVERIFY(word.hasMatch());
        const qreal margin = 6.35 * report::kPointsPerMm; // 18 points
        QVERIFY2(qAbs(word.captured(1).toDouble() - margin) < 2, qPrintable(word.captured(1)));
        QVERIFY2(qAbs(word.captured(2).toDouble() - margin) < 4, qPrintable(word.captured(2)));
    }

    void failingReportAbandonsThePrint()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, dir.filePath(QStringLiteral("broken.pdf")));
        int runs = 0;
        const report::ReportProducer failing = [&](report::PageSink& sink) {
            ++runs;
            sink.addPage(numberedPage(1));
            throw std::runtime_error("The query failed.");
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 report::printReport(printer, failing, PrintRequest{3, true}));
        QCOMPARE(runs, 1); // the second set is not attempted
    }

    void printerThatCannotStartRaises()
    {
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, QStringLiteral("/nonexistent-folder/out.pdf"));
        CountedReport report;
        try {
            report::printReport(printer, [&](report::PageSink& sink) { report(sink); }, {});
            QFAIL("printing into a missing folder succeeded");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("The printer /nonexistent-folder/out.pdf could not be "
                                    "started."));
        }
    }

    void emptyReportPrintsNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("empty.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        CountedReport report;
        report.pages = 0;
        QCOMPARE(report::printReport(
                     printer, [&](report::PageSink& sink) { report(sink); }, PrintRequest{2, true}),
                 0);
        QVERIFY(!QFile::exists(file));
    }

    void requestFollowsThePrintDialogsChoices()
    {
        QPrinter printer;
        printer.setCopyCount(3);
        printer.setCollateCopies(false);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 5);
        PrintRequest request = report::printRequestFrom(printer);
        QCOMPARE(request.copies, 3);
        QCOMPARE(request.collate, false);
        QCOMPARE(request.firstPage, 2);
        QCOMPARE(request.lastPage, 5);

        // "All" leaves a from/to of an earlier choice behind; it must not limit the pages.
        printer.setPrintRange(QPrinter::AllPages);
        request = report::printRequestFrom(printer);
        QCOMPARE(request.firstPage, 0);
        QCOMPARE(request.lastPage, 0);
    }

    void outputDevice()
    {
        const QDateTime at(QDate(2026, 12, 6), QTime(18, 42, 7));
        QTemporaryDir dir;

        OutputDevice device = report::chooseOutputDevice(QStringLiteral(" Office Laser "),
                                                         dir.path(), QStringLiteral("AR"), at);
        QCOMPARE(device.kind, OutputDevice::Kind::Printer);
        QCOMPARE(device.printerName, QStringLiteral("Office Laser"));

        device =
            report::chooseOutputDevice(QString(), dir.path(), QStringLiteral("AR Invoices"), at);
        QCOMPARE(device.kind, OutputDevice::Kind::PdfFile);
        QCOMPARE(device.pdfFile,
                 dir.filePath(QStringLiteral("AR Invoices 2026-12-06 18-42-07.pdf")));

        device = report::chooseOutputDevice(QStringLiteral("  "), QStringLiteral(" "),
                                            QStringLiteral("AR Invoices"), at);
        QCOMPARE(device.kind, OutputDevice::Kind::None);
    }

    void currentOutputDeviceFollowsThePrinterCheck()
    {
        QTemporaryDir dir;
        setPdfOutputFolderSource([&] { return dir.path(); });
        setPrinterNameSource([]() -> QString { throw std::runtime_error("no print service"); });
        OutputDevice device = report::currentOutputDevice(QStringLiteral("Customers"));
        QCOMPARE(device.kind, OutputDevice::Kind::PdfFile);
        QVERIFY(device.pdfFile.startsWith(dir.filePath(QStringLiteral("Customers 2"))));
        QVERIFY(PrinterDefined());

        setPrinterNameSource([] { return QStringLiteral("Front Desk"); });
        device = report::currentOutputDevice(QStringLiteral("Customers"));
        QCOMPARE(device.kind, OutputDevice::Kind::Printer);
        QCOMPARE(device.printerName, QStringLiteral("Front Desk"));
    }

    void pdfFileNeverOverwrites()
    {
        const QDateTime at(QDate(2026, 12, 6), QTime(18, 42, 7));
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("AR Invoices 2026-12-06 18-42-07.pdf"));
        QCOMPARE(report::pdfFileFor(dir.path(), QStringLiteral("AR Invoices"), at), first);
        for (const QString& taken :
             {first, dir.filePath(QStringLiteral("AR Invoices 2026-12-06 18-42-07 (2).pdf"))}) {
            QFile file(taken);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(report::pdfFileFor(dir.path(), QStringLiteral("AR Invoices"), at),
                 dir.filePath(QStringLiteral("AR Invoices 2026-12-06 18-42-07 (3).pdf")));
        // Another second is another name.
        QCOMPARE(report::pdfFileFor(dir.path(), QStringLiteral("AR Invoices"), at.addSecs(1)),
                 dir.filePath(QStringLiteral("AR Invoices 2026-12-06 18-42-08.pdf")));
    }

    void pdfFileNameLeavesOutWhatAFileNameCannotHold()
    {
        const QDateTime at(QDate(2027, 1, 2), QTime(9, 5, 0));
        QCOMPARE(QFileInfo(report::pdfFileFor(QStringLiteral("/tmp"),
                                              QStringLiteral("Aged A/R: \"Over 90\"?"), at))
                     .fileName(),
                 QStringLiteral("Aged AR Over 90 2027-01-02 09-05-00.pdf"));
        QCOMPARE(QFileInfo(report::pdfFileFor(QStringLiteral("/tmp"), QStringLiteral("/:*"), at))
                     .fileName(),
                 QStringLiteral("Report 2027-01-02 09-05-00.pdf"));
    }
};

QTEST_MAIN(TestPrinterOutput)
#include "test_printeroutput.moc"

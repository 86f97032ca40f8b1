// The report preview: paging and its label at both ends, zoom limits, where the window opens,
// what every showing starts from, the print dialog's preset and printing what is shown.
#include "common/printercheck.h"
#include "modalwatcher.h"
#include "numberedpages.h"
#include "pdfreading.h"
#include "programrun.h"
#include "report/page.h"
#include "report/pagesetup.h"
#include "report/ui/frmpreview.h"
#include "report/ui/pageimage.h"
#include "report/ui/previewgeometry.h"
#include "report/ui/printdialogsetup.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using report::Page;
using report::PageItem;

namespace
{

QString navigation(const TfrmPreview& preview)
{
    auto on = [](const QToolButton* b) { return QLatin1Char(b->isEnabled() ? '+' : '-'); };
    return preview.lblPage->text() + QStringLiteral(" [") + on(preview.btnFirst) +
           on(preview.btnPrior) + on(preview.btnNext) + on(preview.btnLast) + QLatin1Char(']');
}

int paperWidth(const TfrmPreview& preview)
{
    const QLabel* paper = preview.findChild<QLabel*>(QStringLiteral("lblPaper"));
    return paper->pixmap().deviceIndependentSize().toSize().width();
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Hearthtable")); }

    void cleanup()
    {
        setPrinterNameSource({});
        setPdfOutputFolderSource({});
    }

    void captionNamesTheApplication()
    {
        TfrmPreview preview(numberedPages(1));
        QCOMPARE(preview.windowTitle(), QStringLiteral("Hearthtable Reports"));
    }

    void pagingStopsAtBothEnds()
    {
        TfrmPreview preview(numberedPages(3));
        preview.show();
        QCOMPARE(navigation(preview), QStringLiteral("Page 1 of 3 [--++]"));
        preview.previousPage();
        preview.firstPage();
        QCOMPARE(preview.currentPage(), 1);
        preview.btnNext->click();
        QCOMPARE(navigation(preview), QStringLiteral("Page 2 of 3 [++++]"));
        preview.btnNext->click();
        QCOMPARE(navigation(preview), QStringLiteral("Page 3 of 3 [++--]"));
        preview.nextPage();
        preview.lastPage();
        QCOMPARE(preview.currentPage(), 3);
        preview.btnPrior->click();
        QCOMPARE(preview.currentPage(), 2);
        preview.btnFirst->click();
        QCOMPARE(preview.currentPage(), 1);
        preview.btnLast->click();
        QCOMPARE(preview.currentPage(), 3);
        preview.goToPage(-4);
        QCOMPARE(preview.currentPage(), 1);
        preview.goToPage(40);
        QCOMPARE(preview.currentPage(), 3);
    }

    void singleAndEmptyReports()
    {
        TfrmPreview one(numberedPages(1));
        one.show();
        QCOMPARE(navigation(one), QStringLiteral("Page 1 of 1 [----]"));
        one.nextPage();
        QCOMPARE(one.currentPage(), 1);

        TfrmPreview none(std::vector<Page>{});
        none.show();
        none.nextPage();
        none.lastPage();
        none.setZoom(150);
        QCOMPARE(navigation(none), QStringLiteral("Page 0 of 0 [----]"));
        QVERIFY(!none.btnPrint->isEnabled());
    }

    void zoomStaysWithinTwentyAndTwoHundred()
    {
        TfrmPreview preview(numberedPages(2));
        preview.show();
        QCOMPARE(preview.zoom(), 100);
        QCOMPARE(preview.spnZoom->value(), 100);
        const int actualWidth = paperWidth(preview);

        preview.setZoom(500);
        QCOMPARE(preview.zoom(), 200);
        QCOMPARE(preview.spnZoom->value(), 200);
        QVERIFY(!preview.btnZoomIn->isEnabled());
        preview.zoomIn();
        QCOMPARE(preview.zoom(), 200);
        // The page is drawn anew at twice the size (the shadow does not grow).
        QVERIFY(qAbs(paperWidth(preview) - (2 * actualWidth - 3)) <= 2);

        preview.setZoom(5);
        QCOMPARE(preview.zoom(), 20);
        QVERIFY(!preview.btnZoomOut->isEnabled());
        preview.zoomOut();
        QCOMPARE(preview.zoom(), 20);

        preview.setZoom(100);
        preview.zoomIn();
        QCOMPARE(preview.zoom(), 125);
        preview.setZoom(110);
        preview.zoomOut();
        QCOMPARE(preview.zoom(), 100);
        preview.zoomOut();
        QCOMPARE(preview.zoom(), 75);

        preview.spnZoom->setValue(60); // typed into the box
        QCOMPARE(preview.zoom(), 60);
    }

    void everyShowingStartsAtPageOneActualSize()
    {
        TfrmPreview preview(numberedPages(3));
        preview.show();
        preview.lastPage();
        preview.setZoom(50);
        preview.hide();
        preview.showMaximized();
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(preview.zoom(), 100);
        QCOMPARE(preview.spnZoom->value(), 100);
        QVERIFY(!(preview.windowState() & Qt::WindowMaximized));
    }

    void keyboard()
    {
        TfrmPreview preview(numberedPages(4));
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 2);
        QTest::keyClick(&preview, Qt::Key_End);
        QCOMPARE(preview.currentPage(), 4);
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.currentPage(), 3);
        QTest::keyClick(&preview, Qt::Key_Home);
        QCOMPARE(preview.currentPage(), 1);
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview.zoom(), 125);
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(preview.zoom(), 75);
        QTest::keyClick(&preview, Qt::Key_Escape);
        QVERIFY(!preview.isVisible());
    }

    void windowPlacement_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("full HD, centred in the work area")
            << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040) << QRect(546, 205, 827, 630);
        QTest::newRow("601 pixels high is tall enough, kept below the top")
            << QRect(0, 0, 1024, 601) << QRect(0, 0, 1024, 601) << QRect(98, 0, 827, 630);
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 984)
            << QRect(2146, 177, 827, 630);
        QTest::newRow("600 pixels: top left, work area high, screen wide")
            << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 560) << QRect(0, 0, 800, 560);
        QTest::newRow("small screen with a task bar at the top")
            << QRect(0, 0, 1024, 576) << QRect(0, 30, 1024, 546) << QRect(0, 30, 1024, 546);
    }
    void windowPlacement()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(report::previewGeometry(screen, available), expected);
    }

    void printDialogOffersEveryPageOnce()
    {
        QPrinter printer;
        printer.setCopyCount(4);
        QPrintDialog dialog(&printer);
        report::preparePrintDialog(dialog, printer, 7);
        QCOMPARE(dialog.minPage(), 1);
        QCOMPARE(dialog.maxPage(), 7);
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
        QCOMPARE(printer.printRange(), QPrinter::PageRange);
        QCOMPARE(printer.fromPage(), 1);
        QCOMPARE(printer.toPage(), 7);
        QCOMPARE(printer.copyCount(), 1);

        report::preparePrintDialog(dialog, printer, 0);
        QCOMPARE(dialog.maxPage(), 1);
    }

    void pageIsDrawnAtTheScreensResolution()
    {
        const QImage image = report::pageImage(numberedPage(1), 96);
        QCOMPARE(image.size(), QSize(816, 1056)); // letter at 96 dots per inch
        QCOMPARE(image.pixelColor(400, 600), QColor(Qt::white));
        // The folio sits a quarter inch (24 dots) from the corner and is inked.
        bool inked = false;
        for (int y = 24; y < 44 && !inked; ++y)
            for (int x = 24; x < 90 && !inked; ++x)
                inked = qGray(image.pixel(x, y)) < 100;
        QVERIFY(inked);
        QVERIFY(qGray(image.pixel(10, 10)) == 255);
    }

    void printsTheChosenPagesAndCopies()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("preview.pdf"));
        TfrmPreview preview(numberedPages(3));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QCOMPARE(preview.printTo(printer, report::PrintRequest{2, true, 2, 3}), 4);
        QCOMPARE(pdfPageCount(file), 4);
    }

    // A report given as a run is laid out once for the screen and again for each set printed.
    void printingRunsTheReportAgainPerSet()
    {
        int runs = 0;
        TfrmPreview preview([&](report::PageSink& sink) {
            ++runs;
            for (Page& page : numberedPages(2))
                sink.addPage(page);
            sink.finish();
        });
        QCOMPARE(runs, 1);
        QCOMPARE(preview.pageCount(), 2);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("sets.pdf")));
        QCOMPARE(preview.printTo(printer, report::PrintRequest{3, true}), 6);
        QCOMPARE(runs, 4);
    }

    void closingLetsGoOfThePages()
    {
        TfrmPreview preview(numberedPages(3));
        preview.show();
        preview.nextPage();
        preview.close();
        QCOMPARE(preview.pageCount(), 0);
        QCOMPARE(preview.lblPage->text(), QStringLiteral("Page 0 of 0"));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("closed.pdf")));
        QCOMPARE(preview.printTo(printer, {}), 0);
    }

    // Without a printer the print goes into the PDF folder, under the report's name.
    void printButtonWritesIntoThePdfFolder()
    {
        QTemporaryDir dir;
        setPdfOutputFolderSource([&] { return dir.path(); });
        TfrmPreview preview(numberedPages(3));
        preview.setReportName(QStringLiteral("AR Invoices"));
        preview.show();
        ModalWatcher watcher;
        QString offered;
        watcher.onDialog = [&](QDialog* dialog) {
            if (auto* print = qobject_cast<QPrintDialog*>(dialog)) {
                offered = QStringLiteral("%1-%2").arg(print->fromPage()).arg(print->toPage());
                // The user prints pages 2 to 3 of the range the dialog offers.
                print->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
            }
            dialog->accept();
        };
        preview.btnPrint->click();
        QCOMPARE(offered, QStringLiteral("1-3"));
        const QStringList made = QDir(dir.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(made.size(), 1);
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("^AR Invoices \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf$"))
                .match(made.first())
                .hasMatch(),
            qPrintable(made.first()));
        QCOMPARE(pdfPageCount(dir.filePath(made.first())), 2);
    }
};

QTEST_MAIN(TestReportPreview)
#include "test_reportpreview.moc"

// Pages written to a PDF while the report goes on laying out the next ones: every page arrives,
// in order, in the fonts it was set in; a file that cannot be written is an error at once.
#include "pdfreading.h"
#include "programrun.h"
#include "report/pdfoutput.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace report;

namespace
{
PageItem text(qreal y, const QString& words, bool bold = false)
{
    PageItem item;
    item.rect = QRectF(36, y, 400, 12);
    item.text = words;
    item.font.bold = bold;
    return item;
}

PageItem line(qreal y)
{
    PageItem item;
    item.kind = PageItem::Kind::Line;
    item.rect = QRectF(36, y, 400, 0);
    item.lineWidth = 2;
    return item;
}

Page page(int number, std::vector<PageItem> items)
{
    return Page{number, PageSetup().paper, std::move(items)};
}
} // namespace

class TestPdfOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyPagesArriveWholeAndInOrder()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("many.pdf"));
        constexpr int kPages = 40; // far more than wait for the painter at once
        {
            PdfOutput pdf(file, QStringLiteral("Many"));
            for (int n = 1; n <= kPages; ++n)
                pdf.addPage(page(n, {text(36, QStringLiteral("Sheet%1").arg(n))}));
            QCOMPARE(pdf.pages(), kPages);
            pdf.finish();
        }
        QCOMPARE(pdfPageCount(file), kPages);
        QStringList expected;
        for (int n = 1; n <= kPages; ++n)
            expected << QStringLiteral("Sheet%1").arg(n);
        QCOMPARE(pdfWords(file), expected);
    }

    void textsKeepTheirFontsAcrossLinesBetweenThem()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("fonts.pdf"));
        PdfOutput pdf(file, QStringLiteral("Fonts"));
        pdf.addPage(
            page(1, {text(36, QStringLiteral("Plain")), line(50),
                     text(60, QStringLiteral("Heavy"), true), text(80, QStringLiteral("Again"))}));
        pdf.finish();

        QCOMPARE(pdfWords(file), (QStringList{QStringLiteral("Plain"), QStringLiteral("Heavy"),
                                              QStringLiteral("Again")}));
        const ProgramRun fonts = runProgram(QStringLiteral("pdffonts"), {file});
        QCOMPARE(fonts.exitCode, 0);
        QVERIFY2(fonts.out.contains(QStringLiteral("LiberationSans-Bold")), qPrintable(fonts.out));
        QVERIFY2(fonts.out.contains(QRegularExpression(QStringLiteral("LiberationSans\\s"))),
                 qPrintable(fonts.out));
    }

    void aFileThatCannotBeWrittenFailsOnTheFirstPage()
    {
        PdfOutput pdf(QStringLiteral("/nonexistent-folder/x.pdf"), QStringLiteral("Lost"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 pdf.addPage(page(1, {text(36, QStringLiteral("Lost"))})));
        QCOMPARE(pdf.pages(), 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, pdf.finish());
    }

    void aFinishedFileTakesNoMorePages()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("done.pdf"));
        PdfOutput pdf(file, QStringLiteral("Done"));
        pdf.addPage(page(1, {text(36, QStringLiteral("Only"))}));
        pdf.finish();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 pdf.addPage(page(2, {text(36, QStringLiteral("Late"))})));
        QCOMPARE(pdfWords(file), QStringList{QStringLiteral("Only")});
    }

    void aRunWithoutPagesLeavesOneBlankPage()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("blank.pdf"));
        PdfOutput pdf(file, QStringLiteral("Blank"));
        pdf.finish();
        QCOMPARE(pdfPageCount(file), 1);
    }

    void anOutputLeftUnfinishedStillClosesItsFile()
    {
        // A report that fails half-way leaves its output without finish(): the pages handed
        // over are still written, and nothing hangs.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("cut.pdf"));
        {
            PdfOutput pdf(file, QStringLiteral("Cut"));
            for (int n = 1; n <= 10; ++n)
                pdf.addPage(page(n, {text(36, QStringLiteral("Part%1").arg(n))}));
        }
        QCOMPARE(pdfPageCount(file), 10);
    }
};

QTEST_MAIN(TestPdfOutput)
#include "test_pdfoutput.moc"

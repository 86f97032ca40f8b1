// The report engine: how bands fill pages, when they print, what totals and page numbers say.
#include "pdfreading.h"
#include "report/pagemodel.h"
#include "report/pdfoutput.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace report;

namespace
{
std::vector<Row> customerRows(int count, int perGroup)
{
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) {
        Row row;
        row.set(QStringLiteral("Group"), QStringLiteral("G%1").arg(i / perGroup + 1));
        row.set(QStringLiteral("Name"), QStringLiteral("Customer %1").arg(i + 1));
        row.set(QStringLiteral("Owing"), qint64(10000) * (i + 1)); // i + 1 dollars
        rows.push_back(row);
    }
    return rows;
}

// The texts of a page, in the order they were placed.
QStringList texts(const Page& page)
{
    QStringList out;
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Kind::Text)
            out << item.text;
    }
    return out;
}

qreal topOf(const Page& page, const QString& text)
{
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Kind::Text && item.text == text)
            return item.rect.top();
    }
    return -1;
}

ReportDefinition groupedList()
{
    ReportDefinition d;
    d.title = QStringLiteral("Owing by group");
    d.pageHeader.height = 20;
    d.pageHeader.add(computed({0, 0, 300, 12}, [](const ReportContext& c) {
        return QStringLiteral("%1 page %2 of %3")
            .arg(c.title())
            .arg(c.pageNumber())
            .arg(c.pageCount());
    }));
    Group group;
    group.key = byField(QStringLiteral("Group"));
    group.header.height = 14;
    group.header.add(field({0, 0, 200, 12}, QStringLiteral("Group"))).bold();
    group.footer.height = 14;
    group.footer.add(computed({0, 0, 300, 12}, [](const ReportContext& c) {
        return QStringLiteral("%1 rows, %2")
            .arg(c.count(QStringLiteral("group")))
            .arg(c.sum(QStringLiteral("group")).toDouble());
    }));
    group.repeatHeader = true;
    d.groups.push_back(group);
    d.detail.height = 12;
    d.detail.add(field({10, 0, 200, 12}, QStringLiteral("Name")));
    d.summary.height = 14;
    d.summary.add(computed({0, 0, 300, 12}, [](const ReportContext& c) {
        return QStringLiteral("All: %1 rows, %2")
            .arg(c.count(QStringLiteral("all")))
            .arg(c.sum(QStringLiteral("all")).toDouble());
    }));
    d.pageFooter.height = 12;
    d.pageFooter.add(computed({0, 0, 100, 12}, [](const ReportContext& c) {
        return QStringLiteral("Footer %1").arg(c.pageNumber());
    }));
    auto owing = [](const ReportContext& c) {
        return std::optional<Money>(c.money(QStringLiteral("Owing")));
    };
    d.totals = {{QStringLiteral("group"), owing, 0}, {QStringLiteral("all"), owing, -1}};
    d.needsPageCount = true;
    return d;
}
} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void groupsAndTotalsRestartPerGroup()
    {
        const ReportDefinition d = groupedList();
        ListRowSource rows(customerRows(5, 2));
        PageList pages;
        QCOMPARE(ReportRunner(d).run(rows, pages), 1);
        QCOMPARE(texts(pages.pages.at(0)),
                 QStringList({"Owing by group page 1 of 1", "G1", "Customer 1", "Customer 2",
                              "2 rows, 3", "G2", "Customer 3", "Customer 4", "2 rows, 7", "G3",
                              "Customer 5", "1 rows, 5", "All: 5 rows, 15", "Footer 1"}));
    }

    void longReportsBreakPagesKeepBandsWholeAndRepeatHeaders()
    {
        const ReportDefinition d = groupedList();
        // One group of 200 rows runs over several pages.
        ListRowSource rows(customerRows(200, 200));
        PageList pages;
        const int count = ReportRunner(d).run(rows, pages);
        QVERIFY(count >= 3);
        QCOMPARE(int(pages.pages.size()), count);
        const qreal bodyBottom = d.page.body().bottom() - d.pageFooter.height;
        int rowsSeen = 0;
        for (const Page& page : pages.pages) {
            const QStringList t = texts(page);
            QCOMPARE(t.first(),
                     QStringLiteral("Owing by group page %1 of %2").arg(page.number).arg(count));
            // The group header prints again at the top of every page the group continues on.
            QCOMPARE(t.at(1), QStringLiteral("G1"));
            QCOMPARE(t.last(), QStringLiteral("Footer %1").arg(page.number));
            for (const PageItem& item : page.items) {
                if (item.text.startsWith(QLatin1String("Customer"))) {
                    ++rowsSeen;
                    QVERIFY2(item.rect.bottom() <= bodyBottom + 0.01, qPrintable(item.text));
                }
            }
            // The footer sits at the foot of the body on every page.
            QCOMPARE(topOf(page, QStringLiteral("Footer %1").arg(page.number)), bodyBottom);
        }
        QCOMPARE(rowsSeen, 200);
        QVERIFY(texts(pages.pages.back()).contains(QStringLiteral("All: 200 rows, 20100")));
    }

    void beforePrintSkipsBandsAndAfterPrintCounts()
    {
        ReportDefinition d;
        int printed = 0;
        d.detail.height = 10;
        d.detail.add(field({0, 0, 100, 10}, QStringLiteral("Name")));
        // Only odd customers print; the running totals count only what printed.
        d.detail.beforePrint = [](ReportContext& c) {
            return c.money(QStringLiteral("Owing")).raw() % 20000 != 0;
        };
        d.detail.afterPrint = [&printed](ReportContext&) { ++printed; };
        d.detail.child = std::make_shared<Band>();
        d.detail.child->height = 10;
        d.detail.child->add(label({0, 0, 100, 10}, QStringLiteral("child")));
        d.totals = {{QStringLiteral("n"),
                     [](const ReportContext& c) {
                         return std::optional<Money>(c.money(QStringLiteral("Owing")));
                     },
                     -1}};
        d.summary.height = 10;
        d.summary.add(computed({0, 0, 100, 10}, [](const ReportContext& c) {
            return QString::number(c.count(QStringLiteral("n")));
        }));
        ListRowSource rows(customerRows(4, 4));
        PageList pages;
        ReportRunner(d).run(rows, pages);
        QCOMPARE(texts(pages.pages.at(0)),
                 QStringList({"Customer 1", "child", "Customer 3", "child", "2"}));
        QCOMPARE(printed, 2);
    }

    void aHookAsksForANewPage()
    {
        ReportDefinition d;
        d.detail.height = 10;
        d.detail.add(field({0, 0, 100, 10}, QStringLiteral("Name")));
        d.detail.beforePrint = [](ReportContext& c) {
            if (c.text(QStringLiteral("Name")) == QLatin1String("Customer 3"))
                c.startNewPage();
            return true;
        };
        ListRowSource rows(customerRows(4, 4));
        PageList pages;
        QCOMPARE(ReportRunner(d).run(rows, pages), 2);
        QCOMPARE(texts(pages.pages.at(1)), QStringList({"Customer 3", "Customer 4"}));
    }

    void groupsCanStartNewPagesAndTheTitleHeadsTheFirst()
    {
        ReportDefinition d = groupedList();
        d.groups[0].startsNewPage = true;
        d.groups[0].repeatHeader = false;
        d.title_band.height = 20;
        d.title_band.add(label({0, 0, 200, 14}, QStringLiteral("Title")));
        d.columnHeader.height = 12;
        d.columnHeader.add(label({0, 0, 200, 12}, QStringLiteral("Name")));
        ListRowSource rows(customerRows(6, 2));
        PageList pages;
        QCOMPARE(ReportRunner(d).run(rows, pages), 3);
        // The first group shares the page with the title, below the column header.
        QCOMPARE(texts(pages.pages.at(0)).mid(0, 4),
                 QStringList({"Owing by group page 1 of 3", "Title", "Name", "G1"}));
        QCOMPARE(texts(pages.pages.at(2)).mid(0, 3),
                 QStringList({"Owing by group page 3 of 3", "Name", "G3"}));
    }

    void wrappedTextGrowsItsBandAndPushesWhatIsBelow()
    {
        ReportDefinition d;
        d.detail.height = 30;
        d.detail
            .add(computed(
                {0, 0, 60, 12},
                [](const ReportContext&) {
                    return QStringLiteral(
                        "A long message that cannot fit on one short line of sixty points");
                }))
            .wrap();
        d.detail.add(label({0, 14, 60, 12}, QStringLiteral("below")));
        d.detail.add(label({100, 0, 60, 12}, QStringLiteral("beside")));
        ListRowSource rows(customerRows(2, 2));
        PageList pages;
        ReportRunner(d).run(rows, pages);
        const Page& page = pages.pages.at(0);
        const qreal top = d.page.body().top();
        const qreal below = topOf(page, QStringLiteral("below"));
        QVERIFY(below > top + 14 + 12);                       // moved down by the extra lines
        QCOMPARE(topOf(page, QStringLiteral("beside")), top); // not below the text: stays
        // The second row starts below the grown first one.
        int besides = 0;
        qreal secondTop = 0;
        for (const PageItem& item : page.items) {
            if (item.text == QLatin1String("beside") && ++besides == 2)
                secondTop = item.rect.top();
        }
        QVERIFY(secondTop > below);
    }

    void emptyRowsCloseUpAndChildrenAskEachTheirOwnQuestion()
    {
        ReportDefinition d;
        d.detail.height = 10;
        d.detail.add(field({0, 0, 100, 10}, QStringLiteral("Name")));
        Band totals;
        totals.height = 36;
        totals.closeUpEmptyRows = true;
        totals.add(label({0, 0, 50, 12}, QStringLiteral("Subtotal")));
        totals.add(label({0, 12, 50, 12}, QStringLiteral("Tax"))).when([](const ReportContext&) {
            return false;
        });
        totals.add(rule(0, 50, 12)).when([](const ReportContext&) { return false; });
        totals.add(label({0, 24, 50, 12}, QStringLiteral("Total")));
        auto skipped = std::make_shared<Band>();
        skipped->height = 10;
        skipped->add(label({0, 0, 50, 10}, QStringLiteral("never")));
        skipped->beforePrint = [](ReportContext&) { return false; };
        skipped->child = std::make_shared<Band>();
        skipped->child->height = 10;
        skipped->child->add(label({0, 0, 50, 10}, QStringLiteral("after the skipped one")));
        totals.child = skipped;
        d.summary = totals;
        ListRowSource rows(customerRows(1, 1));
        PageList pages;
        ReportRunner(d).run(rows, pages);
        const Page& page = pages.pages.at(0);
        QCOMPARE(texts(page),
                 QStringList({"Customer 1", "Subtotal", "Total", "after the skipped one"}));
        const qreal top = d.page.body().top();
        QCOMPARE(topOf(page, "Total"), top + 10 + 12);
        QCOMPARE(topOf(page, "after the skipped one"), top + 10 + 24);
    }

    void labelsRunAcrossThenDown()
    {
        ReportDefinition d;
        d.columns = {3, 189, 9};
        d.detail.height = 72;
        d.detail.add(field({0, 0, 180, 12}, QStringLiteral("Name")));
        ListRowSource rows(customerRows(32, 40));
        PageList pages;
        d.page.margins = QMarginsF(13.5, 36, 13.5, 36);
        QCOMPARE(ReportRunner(d).run(rows, pages), 2);
        const Page& first = pages.pages.at(0);
        QCOMPARE(topOf(first, "Customer 1"), topOf(first, "Customer 3"));
        QVERIFY(topOf(first, "Customer 4") > topOf(first, "Customer 1"));
        QCOMPARE(texts(first).size(), 30); // ten rows of three
        QCOMPARE(texts(pages.pages.at(1)), QStringList({"Customer 31", "Customer 32"}));
    }

    void anEmptyRunMakesNoPageUnlessItHasATitle()
    {
        ReportDefinition d = groupedList();
        ListRowSource none({});
        PageList pages;
        // The summary still prints its totals over nothing.
        QCOMPARE(ReportRunner(d).run(none, pages), 1);
        QVERIFY(texts(pages.pages.at(0)).contains(QStringLiteral("All: 0 rows, 0")));

        ReportDefinition bare;
        bare.detail.height = 10;
        bare.detail.add(field({0, 0, 10, 10}, QStringLiteral("Name")));
        PageList nothing;
        QCOMPARE(ReportRunner(bare).run(none, nothing), 0);
    }

    void pdfHoldsEveryPageAndItsText()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("list.pdf"));
        const ReportDefinition d = groupedList();
        ListRowSource rows(customerRows(150, 50));
        int pages = 0;
        {
            PdfOutput pdf(file, d.title);
            pages = ReportRunner(d).run(rows, pdf);
            pdf.finish();
        }
        QCOMPARE(pdfPageCount(file), pages);
        const QString all = pdfText(file);
        QVERIFY(all.contains(QStringLiteral("Customer 150")));
        QVERIFY(all.contains(QStringLiteral("All: 150 rows, 11325")));
    }

    void anUnwritableFileIsAnError()
    {
        const ReportDefinition d = groupedList();
        ListRowSource rows(customerRows(1, 1));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, {
            PdfOutput pdf(QStringLiteral("/nonexistent-folder/x.pdf"), d.title);
            ReportRunner(d).run(rows, pdf);
            pdf.finish();
        });
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_reportengine.moc"

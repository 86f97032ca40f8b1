// The template format: what a hand-edited file may say, what it prints, and how a faulty file is
// refused. The example templates of docs/ are printed over known rows and compared with their
// expected page models.
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "report/pagemodel.h"
#include "report/reportrunner.h"
#include "report/reporttemplate.h"
#include "reports/namedsources.h"

#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace
{

const QDateTime kPrintedAt(QDate(2024, 3, 7), QTime(14, 5));

Row row(const QVariantMap& values)
{
    Row r;
    for (auto it = values.begin(); it != values.end(); ++it)
        r.set(it.key(), it.value());
    return r;
}

Row customer(const QString& no, const QString& name, const QString& type, const QVariant& balance,
             const QString& city = {}, const QString& phone = {})
{
    return row({{QStringLiteral("CustomerNo"), no},
                {QStringLiteral("CustomerName"), name},
                {QStringLiteral("CustomerType"), type},
                {QStringLiteral("Balance"), balance},
                {QStringLiteral("City"), city},
                {QStringLiteral("Phone"), phone.isEmpty() ? QVariant() : QVariant(phone)}});
}

// One label row: the name, or the recipient's name when there is one, and the address.
Row labelRow(int n, bool withShipTo = false, bool withSecondLine = false)
{
    return row({{QStringLiteral("CustomerName"), QStringLiteral("Customer %1").arg(n)},
                {QStringLiteral("ShipToName"),
                 withShipTo ? QVariant(QStringLiteral("Recipient %1").arg(n)) : QVariant()},
                {QStringLiteral("AddressLine1"), QStringLiteral("%1 Elm Street").arg(n)},
                {QStringLiteral("AddressLine2"),
                 withSecondLine ? QVariant(QStringLiteral("Apt %1").arg(n)) : QVariant()},
                {QStringLiteral("City"), QStringLiteral("Springfield")},
                {QStringLiteral("StateProv"), QStringLiteral("IL")},
                {QStringLiteral("ZipCode"), QStringLiteral("62701")}});
}

QString docsTemplate(const QString& name)
{
    return QStringLiteral(TALLYWICK_DOCS_DIR "/") + name;
}

QString expectedFile(const QString& name)
{
    return QStringLiteral(TALLYWICK_EXPECTED_DIR "/") + name;
}

std::vector<Page> run(const ReportTemplate& t, std::vector<Row> rows)
{
    ListRowSource source(std::move(rows));
    PageList pages;
    ReportRunner(t.definition, RunOptions{kPrintedAt, {}}).run(source, pages);
    return pages.pages;
}

QString modelOf(const ReportTemplate& t, std::vector<Row> rows)
{
    ListRowSource source(std::move(rows));
    PageModelOutput model;
    ReportRunner(t.definition, RunOptions{kPrintedAt, {}}).run(source, model);
    return model.text;
}

const PageItem* findText(const Page& page, const QString& text)
{
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Kind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QStringList texts(const Page& page)
{
    QStringList all;
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Kind::Text)
            all << item.text;
    }
    return all;
}

// A small template around one detail band's elements.
QByteArray withDetail(const QByteArray& elements, const QByteArray& extra = {})
{
    return R"({"format": "tallywick-report", "source": "Customer", )" + extra +
           R"( "bands": {"detail": {"height": 14, "elements": [)" + elements + "]}}}";
}

} // namespace

class TestReportTemplate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void exampleTemplatesPrintAsExpected()
    {
        const reports::NamedSources sources;
        const ReportTemplate list = loadReportTemplate(
            docsTemplate(QStringLiteral("UserDefinedTallywickReport01.rtm")), &sources);
        std::vector<Row> customers = {
            customer(QStringLiteral("100"), QStringLiteral("Adams, Ann"), QStringLiteral("C"),
                     100000, QStringLiteral("Springfield"), QStringLiteral("555-0101")),
            customer(QStringLiteral("101"), QStringLiteral("Baker, Bob"), QStringLiteral("C"),
                     55000, QStringLiteral("Shelbyville")),
            customer(QStringLiteral("200"), QStringLiteral("County Aging Office"),
                     QStringLiteral("F"), -32500, QStringLiteral("Springfield"),
                     QStringLiteral("555-0199")),
            customer(QStringLiteral("201"), QStringLiteral("Meals Fund"), QStringLiteral("F"),
                     QVariant(), QStringLiteral("Capital City"))};
        COMPARE_WITH_EXPECTED(modelOf(list, customers),
                              expectedFile(QStringLiteral("customerbalances.txt")));

        const ReportTemplate labels =
            loadReportTemplate(docsTemplate(QStringLiteral("ARLabel.rtm")), &sources);
        std::vector<Row> rows;
        for (int n = 1; n <= 4; ++n)
            rows.push_back(labelRow(n, n % 2 == 0, n > 2));
        COMPARE_WITH_EXPECTED(modelOf(labels, rows), expectedFile(QStringLiteral("labels.txt")));
    }

    void groupTotalsRestartAfterEachGroup()
    {
        const reports::NamedSources sources;
        const ReportTemplate list = loadReportTemplate(
            docsTemplate(QStringLiteral("UserDefinedTallywickReport01.rtm")), &sources);
        QCOMPARE(list.orderBy,
                 (QStringList{QStringLiteral("CustomerType"), QStringLiteral("CustomerName")}));
        QVERIFY(list.definition.needsPageCount);
        const auto pages = run(
            list,
            {customer(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("C"), 100000),
             customer(QStringLiteral("2"), QStringLiteral("B"), QStringLiteral("C"), 55000, {},
                      QStringLiteral("5")),
             customer(QStringLiteral("3"), QStringLiteral("C"), QStringLiteral("F"), -32500),
             customer(QStringLiteral("4"), QStringLiteral("D"), QStringLiteral("F"), QVariant())});
        QCOMPARE(pages.size(), size_t(1));
        const QStringList shown = texts(pages[0]);
        // Each type's footer counts and sums its own customers only; the summary all of them.
        QCOMPARE(shown.filter(QStringLiteral("Customers of this type")),
                 (QStringList{QStringLiteral("Customers of this type: 2"),
                              QStringLiteral("Customers of this type: 2")}));
        QVERIFY(shown.contains(QStringLiteral("15.50")));
        QVERIFY(shown.contains(QStringLiteral("(3.25)")));
        QVERIFY(shown.contains(QStringLiteral("Total 12.25")));
        QVERIFY(shown.contains(QStringLiteral("Customers: 4")));
        QVERIFY(shown.contains(QStringLiteral("With a telephone: 1")));
        QVERIFY(shown.contains(QStringLiteral("Printed 07 Mar 24")));
        QVERIFY(shown.contains(QStringLiteral("Page 1 of 1")));
        // A customer without a balance shows nothing in the column, not 0.00.
        QVERIFY(!shown.contains(QStringLiteral("0.00")));
    }

    void groupHeaderRepeatsOnlyWhereTheGroupContinues()
    {
        const ReportTemplate t = readReportTemplate(
            R"({"format": "tallywick-report", "source": "Customer",
                "bands": {
                  "groups": [{"field": "CustomerType", "repeatHeader": true,
                              "header": {"height": 20, "elements": [
                                {"type": "field", "field": "CustomerType", "prefix": "Type "}]}}],
                  "detail": {"height": 200, "elements": [
                    {"type": "field", "field": "CustomerNo"}]}}})",
            QStringLiteral("repeat.rtm"));
        std::vector<Row> rows;
        for (int n = 1; n <= 5; ++n)
            rows.push_back(customer(QString::number(n), {}, n < 5 ? "C" : "F", {}));
        const auto pages = run(t, rows);
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(texts(pages[0]), (QStringList{"Type C", "1", "2", "3"}));
        QCOMPARE(texts(pages[1]), (QStringList{"Type C", "4", "Type F", "5"}));
    }

    void labelsRunAcrossThenDownThenOntoTheNextPage()
    {
        const reports::NamedSources sources;
        const ReportTemplate labels =
            loadReportTemplate(docsTemplate(QStringLiteral("ARLabel.rtm")), &sources);
        std::vector<Row> rows;
        for (int n = 1; n <= 31; ++n)
            rows.push_back(labelRow(n));
        const auto pages = run(labels, rows);
        QCOMPARE(pages.size(), size_t(2));

        // 3/16 in side margin, 1/2 in top margin, labels 2.625 in wide with 1/8 in between,
        // 1 in high; the name 12 pt in from the label's corner.
        const auto at = [&](int page, int n) {
            const PageItem* item = findText(pages[page], QStringLiteral("Customer %1").arg(n));
            return item ? item->rect.topLeft() : QPointF(-1, -1);
        };
        QCOMPARE(at(0, 1), QPointF(25.5, 48));
        QCOMPARE(at(0, 2), QPointF(25.5 + 198, 48));
        QCOMPARE(at(0, 3), QPointF(25.5 + 2 * 198, 48));
        QCOMPARE(at(0, 4), QPointF(25.5, 48 + 72));
        QCOMPARE(at(0, 30), QPointF(25.5 + 2 * 198, 48 + 9 * 72));
        QCOMPARE(at(1, 31), QPointF(25.5, 48));
        QCOMPARE(texts(pages[1]).filter(QStringLiteral("Customer")).size(), 1);
    }

    void labelAddressClosesUpAroundMissingParts()
    {
        const reports::NamedSources sources;
        const ReportTemplate labels =
            loadReportTemplate(docsTemplate(QStringLiteral("ARLabel.rtm")), &sources);
        Row noState = labelRow(2, true, true);
        noState.set(QStringLiteral("StateProv"), QVariant());
        const auto pages = run(labels, {labelRow(1), noState});
        const QStringList shown = texts(pages.at(0));
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("Customer 1"), QStringLiteral("1 Elm Street"),
                              QStringLiteral("Springfield, IL  62701"),
                              QStringLiteral("Recipient 2"), QStringLiteral("2 Elm Street"),
                              QStringLiteral("Apt 2"), QStringLiteral("Springfield  62701")}));
        // Without a second address line the city line moves up into its place.
        QCOMPARE(findText(pages[0], QStringLiteral("Springfield, IL  62701"))->rect.top(),
                 findText(pages[0], QStringLiteral("Apt 2"))->rect.top());
    }

    void valuesAreWrittenAsTheTemplateSays()
    {
        const ReportTemplate t = readReportTemplate(
            withDetail(R"j(
                {"type": "field", "field": "Amount", "format": "#,##0.00;(#,##0.00)"},
                {"type": "field", "field": "Amount", "money": true, "y": 12},
                {"type": "field", "field": "Rate", "format": "0.0", "money": false, "y": 24},
                {"type": "field", "field": "When", "format": "dd mmm yyyy", "y": 36},
                {"type": "field", "field": "When", "format": "m/d/yy", "prefix": "on ", "y": 48},
                {"type": "field", "field": "Missing", "prefix": "never ", "y": 60},
                {"type": "system", "value": "printtime", "y": 72},
                {"type": "system", "value": "Parameter", "name": "Heading", "y": 84},
                {"type": "text", "text": "bold", "y": 96, "font": {"bold": true, "size": 12},
                 "align": "right", "wrap": true}
            )j",
                       R"("title": "T", "font": {"family": "Liberation Serif"},)"),
            QStringLiteral("values.rtm"));
        ListRowSource rows({row({{QStringLiteral("Amount"), qint64(-12345678)},
                                 {QStringLiteral("Rate"), 2.25},
                                 {QStringLiteral("When"), QStringLiteral("2024-01-05")}})});
        PageList pages;
        ReportRunner(
            t.definition,
            RunOptions{kPrintedAt, {{QStringLiteral("Heading"), QStringLiteral("For the board")}}})
            .run(rows, pages);
        QCOMPARE(texts(pages.pages.at(0)),
                 (QStringList{QStringLiteral("(1,234.57)"), QStringLiteral("(1,234.568)"),
                              QStringLiteral("2.3"), QStringLiteral("05 Jan 2024"),
                              QStringLiteral("on 1/5/24"), QStringLiteral("2:05 PM"),
                              QStringLiteral("For the board"), QStringLiteral("bold")}));
        const PageItem* bold = findText(pages.pages[0], QStringLiteral("bold"));
        QCOMPARE(bold->font, (PrintFont{QStringLiteral("Liberation Serif"), 12, true, false}));
        QVERIFY(bold->alignment & Qt::AlignRight);
        QVERIFY(bold->wordWrap);
    }

    void pageAndLengths()
    {
        const ReportTemplate t = readReportTemplate(
            withDetail(R"({"type": "box", "x": "1in", "width": "10mm", "height": "12pt"})",
                       R"("page": {"paper": "A4", "orientation": "landscape",
                                   "margins": {"left": 10, "top": "1in"}},)"),
            QStringLiteral("page.rtm"));
        const PageSetup& page = t.definition.page;
        QCOMPARE(page.paper.width(), 297 * kPointsPerMm);
        QCOMPARE(page.paper.height(), 210 * kPointsPerMm);
        QCOMPARE(page.margins.left(), 10 * kPointsPerMm);
        QCOMPARE(page.margins.top(), 72.0);
        QCOMPARE(page.margins.right(), 6.35 * kPointsPerMm);
        const Element& box = t.definition.detail.elements.at(0);
        QCOMPARE(box.rect, QRectF(72, 0, 10 * kPointsPerMm, 12));
    }

    void faultyTemplatesAreRefusedWithTheirFault_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");

        QTest::newRow("not JSON") << QByteArray("{\n  \"format\": \"tallywick-report\",\n"
                                                "  \"source\": \"Customer\"\n  \"bands\": {}\n}")
                                  << QStringLiteral("Bad.rtm: line 4, column 4: unterminated "
                                                    "object");
        QTest::newRow("empty file")
            << QByteArray() << QStringLiteral("Bad.rtm: line 1, column 1: illegal value");
        QTest::newRow("a list") << QByteArray("[1, 2]")
                                << QStringLiteral("Bad.rtm is not a Tallywick report template: "
                                                  "it holds no JSON object");
        QTest::newRow("another format")
            << QByteArray(R"({"format": "something-else", "source": "Customer"})")
            << QStringLiteral("Bad.rtm is not a Tallywick report template: it must begin with "
                              "\"format\": \"tallywick-report\"");
        QTest::newRow("newer version")
            << QByteArray(R"({"format": "tallywick-report", "version": 2, "source": "Customer",
                              "bands": {}})")
            << QStringLiteral("Bad.rtm: version: the template is of version 2 of the format; "
                              "this program reads version 1");
        QTest::newRow("no source") << QByteArray(R"({"format": "tallywick-report", "bands": {}})")
                                   << QStringLiteral("Bad.rtm: \"source\" is missing");
        QTest::newRow("unknown source")
            << QByteArray(R"({"format": "tallywick-report", "source": "Clients", "bands": {}})")
            << QStringLiteral("Bad.rtm: source: unknown source \"Clients\" (sources: Customer, "
                              "ARInv, ARInvDet, ARPmt, ARPmtDet, Item, ARLabels)");
        QTest::newRow("unknown band")
            << QByteArray(R"({"format": "tallywick-report", "source": "Customer",
                              "bands": {"details": {}}})")
            << QStringLiteral("Bad.rtm: bands: unknown band \"details\" (bands are: title, "
                              "pageHeader, columnHeader, groups, detail, summary, pageFooter)");
        QTest::newRow("misspelt key")
            << withDetail(R"({"type": "text", "text": "x", "heigth": 10})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0]: unknown key \"heigth\" (expected "
                              "one of: type, x, y, width, height, font, align, wrap, when, text, "
                              "comment)");
        QTest::newRow("unknown element type")
            << withDetail(R"({"type": "text", "text": "x"}, {"type": "feild", "field": "City"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[1].type: unknown element type "
                              "\"feild\" (types: text, field, fields, system, sum, count, line, "
                              "box, image)");
        QTest::newRow("field not in source")
            << withDetail(R"({"type": "field", "field": "InvoiceNo"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].field: \"InvoiceNo\" is not a "
                              "field of the source \"Customer\"");
        QTest::newRow("order field not in source")
            << withDetail({}, R"("orderBy": ["CustomerName", "Owing"],)")
            << QStringLiteral("Bad.rtm: orderBy[1]: \"Owing\" is not a field of the source "
                              "\"Customer\"");
        QTest::newRow("condition on a field not in source")
            << withDetail(R"({"type": "text", "text": "x", "when": {"notEmpty": "ShipTo"}})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].when.notEmpty: \"ShipTo\" is "
                              "not a field of the source \"Customer\"");
        QTest::newRow("reset on no group")
            << withDetail(R"({"type": "sum", "field": "Balance", "reset": "City"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].reset: \"City\" is not the field "
                              "of a group of this report (groups: none)");
        QTest::newRow("money with a date format")
            << withDetail(R"({"type": "field", "field": "Balance", "money": true,
                              "format": "dd/mm/yy"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].format: \"dd/mm/yy\" is a date "
                              "format; money needs a number format such as \"#,##0.00\"");
        QTest::newRow("unknown system value")
            << withDetail(R"({"type": "system", "value": "PageTotal"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].value: unknown system value "
                              "\"PageTotal\" (system values: PageNumber, PageCount, PageNofM, "
                              "PrintDate, PrintTime, Title, Parameter)");
        QTest::newRow("length without unit")
            << withDetail(R"({"type": "line", "width": "3 inches"})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].width: must be a number of "
                              "points or a length such as \"1in\", \"10mm\" or \"12pt\"");
        QTest::newRow("labels wider than the page")
            << withDetail({}, R"("labels": {"across": 3, "width": "3in", "height": "1in"},)")
                   .replace(R"("height": 14, )", "")
            << QStringLiteral("Bad.rtm: labels: 3 labels across need 648.0 pt, but the page has "
                              "576.0 pt between its margins");
        QTest::newRow("labels taller than the page")
            << withDetail({}, R"("labels": {"across": 1, "down": 11, "width": "2in",
                                            "height": "1in"},)")
                   .replace(R"("height": 14, )", "")
            << QStringLiteral("Bad.rtm: labels: 11 labels down need 792.0 pt, but the page has "
                              "756.0 pt between its margins");
        QTest::newRow("label with its own height")
            << withDetail({}, R"("labels": {"width": "2in", "height": "1in"},)")
            << QStringLiteral("Bad.rtm: bands.detail.height: a label's height is given by "
                              "\"labels\"; leave it out here");
        QTest::newRow("missing picture")
            << withDetail(R"({"type": "image", "file": "nowhere.png", "width": 20})")
            << QStringLiteral("Bad.rtm: bands.detail.elements[0].file: the picture ");
    }
    void faultyTemplatesAreRefusedWithTheirFault()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        const reports::NamedSources sources;
        try {
            readReportTemplate(text, QStringLiteral("Bad.rtm"), &sources);
            QFAIL("the template was taken");
        } catch (const TemplateError& e) {
            if (message.endsWith(QLatin1Char(' ')))
                QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
            else
                QCOMPARE(e.message(), message);
        }
    }

    void fileFaults()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("Missing.rtm"));
        try {
            loadReportTemplate(missing);
            QFAIL("a missing file was taken");
        } catch (const TemplateError& e) {
            QVERIFY2(e.message().startsWith(missing + QStringLiteral(": the template could not be "
                                                                     "read (")),
                     qPrintable(e.message()));
        }

        // A picture is found beside the template.
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(dir.filePath(QStringLiteral("logo.png"))));
        const QString file = dir.filePath(QStringLiteral("Logo.rtm"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(withDetail(R"({"type": "image", "file": "logo.png", "width": 80})"));
        out.close();
        const ReportTemplate t = loadReportTemplate(file);
        const Element& image = t.definition.detail.elements.at(0);
        QCOMPARE(image.image.size(), QSize(40, 20));
        QCOMPARE(image.rect, QRectF(0, 0, 80, 80));
    }
};

QTEST_MAIN(TestReportTemplate)
#include "test_reporttemplate.moc"

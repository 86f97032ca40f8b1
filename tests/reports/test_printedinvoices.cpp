// The printed invoice and statement, page by page, on both engines: each case prints a small
// batch from the database and compares the page model with its expected file, and checks the
// rule the case is about in words of its own. Set TALLYWICK_INVOICE_PDFS to a folder to get
// each case as a PDF as well, to look at.
#include "common/dialogs.h"
#include "common/formatsettings.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "expectedfile.h"
#include "pagetexts.h"
#include "printfixture.h"
#include "report/pagemodel.h"
#include "report/pdfoutput.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "testdatabases.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace printfixture;

namespace
{

QVariant money(qint64 c)
{
    return QVariant::fromValue(cents(c));
}

// Fixed desktop conventions, so the expected pages do not depend on who runs the tests.
FormatSettings usSettings()
{
    return FormatSettings::us();
}

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = testdb::fresh(engine);
    create(*db);
    setCompany(*db, {{QStringLiteral("AddressLine1"), QStringLiteral("12 Mill Road")},
                     {QStringLiteral("AddressLine2"), QStringLiteral("Dayton, OH 45402")},
                     {QStringLiteral("Phone"), QStringLiteral("937-555-0100")},
                     {QStringLiteral("TaxNo"), QStringLiteral("31-0000001")}});
    return db;
}

// An invoice of two meal lines and a tray, taxed with GST on the meals and GST and PST on the
// tray.
void addTaxedInvoice(Database& db, qint64 id, qint64 customer, const QString& no,
                     const QVariantMap& more = {})
{
    // 2 × 6.50 + 1 × 10.00 = 23.00; GST 5 % of 23.00 = 1.15; PST 7 % of 10.00 = 0.70.
    QVariantMap v{{QStringLiteral("Description"), QStringLiteral("Meals for March 2024")},
                  {QStringLiteral("Tax1ID"), kGst},
                  {QStringLiteral("Tax2ID"), kPst},
                  {QStringLiteral("Tax1Code"), QStringLiteral("G")},
                  {QStringLiteral("Tax2Code"), QStringLiteral("P")},
                  {QStringLiteral("Tax1Rate"), 5.0},
                  {QStringLiteral("Tax2Rate"), 7.0},
                  {QStringLiteral("TaxableAmount1"), money(2300)},
                  {QStringLiteral("TaxableAmtCode1"), QStringLiteral("G")},
                  {QStringLiteral("TaxableAmount2"), money(1000)},
                  {QStringLiteral("TaxableAmtCode2"), QStringLiteral("P")}};
    v.insert(more);
    addInvoice(db, id, customer, no, cents(2485), v);
    addLine(db, id, 1,
            {{QStringLiteral("Quantity"), 2.0},
             {QStringLiteral("ItemID"), kHotMeal},
             {QStringLiteral("UnitPrice"), money(650)},
             {QStringLiteral("TaxCodes"), QStringLiteral("G")}});
    addLine(db, id, 2,
            {{QStringLiteral("Quantity"), 1.0},
             {QStringLiteral("ItemID"), kTray},
             {QStringLiteral("UnitPrice"), money(1000)},
             {QStringLiteral("TaxCodes"), QStringLiteral("GPX")},
             {QStringLiteral("ItemOvDesc"), QStringLiteral("Insulated tray, kept by the client")}});
}

struct Printed {
    QString model;
    std::vector<report::Page> pages;
};

// Prints the unprinted invoices by number, as a print run would.
Printed printAll(Database& db, const QString& name)
{
    InvoiceSelection selection;
    PrintedInvoiceReader reader(db, selection, usSettings());
    TrptARInvoiceAndStatement document(readInvoiceOrganization(db), usSettings());
    report::PageList pages;
    NoProgress progress;
    document.print(reader, pages, progress, QDateTime(QDate(2024, 4, 2), QTime(9, 30)));
    Printed out;
    for (const report::Page& page : pages.pages)
        out.model += report::pageModelText(page);
    out.pages = pages.pages;
    const QString folder = qEnvironmentVariable("TALLYWICK_INVOICE_PDFS");
    if (!folder.isEmpty()) {
        report::PdfOutput pdf(QDir(folder).filePath(name + QStringLiteral(".pdf")),
                              TrptARInvoiceAndStatement::title());
        for (const report::Page& page : pages.pages)
            pdf.addPage(page);
        pdf.finish();
    }
    return out;
}

QString expected(const QString& name)
{
    return QStringLiteral(TALLYWICK_EXPECTED_DIR "/%1.txt").arg(name);
}

// The text printed right of a caption on the same line.
QString besides(const report::Page& page, const QString& caption)
{
    const report::PageItem* found = nullptr;
    for (const report::PageItem& item : page.items) {
        if (item.kind == report::PageItem::Kind::Text && item.text == caption)
            found = &item;
    }
    if (!found)
        return QStringLiteral("<no %1>").arg(caption);
    for (const report::PageItem& item : page.items) {
        if (item.kind == report::PageItem::Kind::Text && &item != found &&
            qAbs(item.rect.top() - found->rect.top()) < 0.5 &&
            item.rect.left() > found->rect.left())
            return item.text;
    }
    return {};
}

QImage logo()
{
    QImage image(240, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setBrush(QColor(200, 90, 40));
    p.drawEllipse(10, 10, 100, 100);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 28, QFont::Bold));
    p.drawText(QRect(115, 30, 120, 60), Qt::AlignCenter, QStringLiteral("HM"));
    return image;
}

} // namespace

class TestPrintedInvoices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Separate invoices: a client's invoice with two taxes and terms with a discount, and a
    // credit note payable on receipt; the organization's message after each.
    void separateInvoiceAndCreditNote_data() { testdb::addEngineRows(); }
    void separateInvoiceAndCreditNote()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        setCompany(*db, {{QStringLiteral("ARPrintTerms"), true},
                         {QStringLiteral("ARInvoiceMessage"),
                          QStringLiteral("Thank you for supporting Hearth Meals.")}});
        addTaxedInvoice(*db, 1, kAmes, QStringLiteral("10001"),
                        {{QStringLiteral("DiscPC"), 2.0},
                         {QStringLiteral("DiscDays"), 10},
                         {QStringLiteral("NetDays"), 30}});
        addInvoice(*db, 2, kBaker, QStringLiteral("10002"), cents(-1000),
                   {{QStringLiteral("Description"), QStringLiteral("Meal returned on 3/4")}});
        addLine(*db, 2, 1,
                {{QStringLiteral("Quantity"), -1.0},
                 {QStringLiteral("ItemID"), kHotMeal},
                 {QStringLiteral("UnitPrice"), money(1000)}});
        const Printed printed = printAll(*db, QStringLiteral("separate"));
        COMPARE_WITH_EXPECTED(printed.model, expected(QStringLiteral("separate")));

        QCOMPARE(int(printed.pages.size()), 2);
        const report::Page& invoice = printed.pages[0];
        const QStringList words = pageTexts(invoice);
        QVERIFY(words.contains(QStringLiteral("Invoice")));
        QCOMPARE(besides(invoice, QStringLiteral("GST @ 5%")), QStringLiteral("1.15"));
        QCOMPARE(besides(invoice, QStringLiteral("PST @ 7%")), QStringLiteral("0.70"));
        QCOMPARE(besides(invoice, QStringLiteral("Invoice Total")), QStringLiteral("24.85"));
        QVERIFY(words.contains(QStringLiteral("Terms: 2% 10   Due 3/31/2024")));
        QVERIFY(words.contains(QStringLiteral("GP"))); // the tray's codes this invoice charges
        QVERIFY(!words.contains(QStringLiteral("Current Balance"))); // separate format
        QVERIFY(words.contains(QStringLiteral("Thank you for supporting Hearth Meals.")));
        const QStringList credit = pageTexts(printed.pages[1]);
        QVERIFY(credit.contains(QStringLiteral("Credit Note")));
        QVERIFY(credit.contains(QStringLiteral("Terms: Payable on Receipt")));
        QCOMPARE(besides(printed.pages[1], QStringLiteral("Invoice Total")),
                 QStringLiteral("(10.00)"));
    }

    // Integrated invoice and statement: a funder's invoice for one client shows the client's
    // name as delivered-to, the prior balance, payments and balance, and the current balance.
    void integratedFunderInvoice_data() { testdb::addEngineRows(); }
    void integratedFunderInvoice()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        setCompany(*db, {{QStringLiteral("FunderInvoiceFormat"), QStringLiteral("I")},
                         {QStringLiteral("ClientInvoiceFormat"), QStringLiteral("I")}});
        // An earlier invoice of the funder, printed and still owing 40.00.
        addInvoice(*db, 1, kCounty, QStringLiteral("09001"), cents(5000),
                   {{QStringLiteral("Owing"), money(4000)}, {QStringLiteral("Printed"), true}});
        addTaxedInvoice(*db, 2, kCounty, QStringLiteral("10003"),
                        {{QStringLiteral("Recip_ID"), QStringLiteral("1003")},
                         {QStringLiteral("Owing"), money(1485)}});
        const Printed printed = printAll(*db, QStringLiteral("integrated"));
        COMPARE_WITH_EXPECTED(printed.model, expected(QStringLiteral("integrated")));

        QCOMPARE(int(printed.pages.size()), 1);
        const report::Page& page = printed.pages[0];
        const QStringList words = pageTexts(page);
        QVERIFY(words.contains(QStringLiteral("Invoice/Statement")));
        QVERIFY(words.contains(QStringLiteral("County Aging Office %Pat Lee")));
        QVERIFY(words.contains(QStringLiteral("baker, lou"))); // delivered to the client
        QCOMPARE(besides(page, QStringLiteral("Prior Balance")), QStringLiteral("$40.00"));
        QCOMPARE(besides(page, QStringLiteral("Invoice Payments")), QStringLiteral("10.00"));
        QCOMPARE(besides(page, QStringLiteral("Invoice Balance")), QStringLiteral("14.85"));
        QCOMPARE(besides(page, QStringLiteral("Current Balance")), QStringLiteral("54.85"));
    }

    // Suppressed wording: a client's separate invoice reads as a neutral document with a blank
    // title; a funder's invoice under the same settings keeps the invoice wording.
    void suppressedWording_data() { testdb::addEngineRows(); }
    void suppressedWording()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        setCompany(*db, {{QStringLiteral("SuppressInvoiceWording"), true}});
        addTaxedInvoice(*db, 1, kAmes, QStringLiteral("10001"));
        addTaxedInvoice(*db, 2, kCounty, QStringLiteral("10002"));
        const Printed printed = printAll(*db, QStringLiteral("suppressed"));
        COMPARE_WITH_EXPECTED(printed.model, expected(QStringLiteral("suppressed")));

        const QStringList client = pageTexts(printed.pages[0]);
        QVERIFY(!client.contains(QStringLiteral("Invoice")));
        QVERIFY(client.contains(QStringLiteral("Doc no.")));
        QVERIFY(client.contains(QStringLiteral("Total")));
        QVERIFY(client.contains(QStringLiteral("Document Number:")));
        const QStringList funder = pageTexts(printed.pages[1]);
        QVERIFY(funder.contains(QStringLiteral("Invoice")));
        QVERIFY(funder.contains(QStringLiteral("Invoice no.")));
        QVERIFY(funder.contains(QStringLiteral("Invoice Number:")));
    }

    // Australian wording: "Tax Invoice" for a customer with a tax number, the plain title for
    // one without.
    void australianTitles_data() { testdb::addEngineRows(); }
    void australianTitles()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        setCompany(*db, {{QStringLiteral("ARInvoiceAustralia"), true}});
        addTaxedInvoice(*db, 1, kCounty, QStringLiteral("10001"));
        addTaxedInvoice(*db, 2, kAmes, QStringLiteral("10002"));
        const Printed printed = printAll(*db, QStringLiteral("australian"));
        COMPARE_WITH_EXPECTED(printed.model, expected(QStringLiteral("australian")));
        QVERIFY(pageTexts(printed.pages[0]).contains(QStringLiteral("Tax Invoice")));
        QVERIFY(pageTexts(printed.pages[1]).contains(QStringLiteral("Invoice")));
        QVERIFY(!pageTexts(printed.pages[1]).contains(QStringLiteral("Tax Invoice")));
    }

    // Sixty lines run over three pages: the later pages carry the continuation header with
    // their page number within the invoice, and only the first the remittance stub. The logo
    // heads every page.
    void longInvoiceOverThreePages_data() { testdb::addEngineRows(); }
    void longInvoiceOverThreePages()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        logo().save(&buffer, "PNG");
        records::insert(*db, ar::logo(), {{QStringLiteral("Logo"), png}});
        addInvoice(*db, 1, kAmes, QStringLiteral("10001"), cents(60 * 650),
                   {{QStringLiteral("Description"), QStringLiteral("Meals for March 2024")}});
        for (int seq = 1; seq <= 60; ++seq) {
            addLine(*db, 1, seq,
                    {{QStringLiteral("Quantity"), 1.0},
                     {QStringLiteral("ItemID"), kHotMeal},
                     {QStringLiteral("UnitPrice"), money(650)},
                     {QStringLiteral("ItemOvDesc"), QStringLiteral("Hot meal delivered %1/%2/2024")
                                                        .arg(seq % 3 + 3)
                                                        .arg(seq % 28 + 1)}});
        }
        // A second invoice starts afresh on page 1 of its own.
        addTaxedInvoice(*db, 2, kBaker, QStringLiteral("10002"));
        const Printed printed = printAll(*db, QStringLiteral("threepages"));
        COMPARE_WITH_EXPECTED(printed.model, expected(QStringLiteral("threepages")));

        QCOMPARE(int(printed.pages.size()), 4);
        const QString stub = QStringLiteral("Please return this portion with your remittance");
        QVERIFY(pageTexts(printed.pages[0]).contains(stub));
        QVERIFY(!pageTexts(printed.pages[0]).contains(QStringLiteral("Page 1")));
        QVERIFY(pageTexts(printed.pages[1]).contains(QStringLiteral("Page 2")));
        QVERIFY(!pageTexts(printed.pages[1]).contains(stub));
        QVERIFY(pageTexts(printed.pages[2]).contains(QStringLiteral("Page 3")));
        QVERIFY(!pageTexts(printed.pages[2]).contains(stub));
        QVERIFY(pageTexts(printed.pages[3]).contains(stub));
        QVERIFY(!pageTexts(printed.pages[3]).contains(QStringLiteral("Page 2")));
        int lines = 0;
        for (int p = 0; p < 3; ++p) {
            bool logoShown = false;
            for (const report::PageItem& item : printed.pages[p].items) {
                logoShown |= item.kind == report::PageItem::Kind::Image;
                lines += item.text.startsWith(QLatin1String("Hot meal delivered")) ? 1 : 0;
            }
            QVERIFY(logoShown);
        }
        QCOMPARE(lines, 60);
        QCOMPARE(besides(printed.pages[2], QStringLiteral("Invoice Total")),
                 QStringLiteral("390.00"));
    }
};

QTEST_MAIN(TestPrintedInvoices)
#include "test_printedinvoices.moc"

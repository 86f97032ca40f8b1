// The invoices of a print run as the document reads them, on both engines: which invoices the
// selection holds and in which order, everything one invoice prints with (customer, recipient,
// looked-up names, lines, balance), reading block by block and again from the start, and the
// organization's letterhead and logo.
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "printfixture.h"
#include "reports/invoiceprint/invoicelabelrows.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/invoicewording.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "testdatabases.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

using namespace printfixture;

namespace
{

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = testdb::fresh(engine);
    create(*db);
    return db;
}

QStringList invoiceNos(PrintedInvoiceReader& reader)
{
    QStringList nos;
    while (reader.next())
        nos << reader.current().invoiceNo;
    return nos;
}

QStringList invoiceNos(Database& db, const InvoiceSelection& selection, int blockSize = 200)
{
    PrintedInvoiceReader reader(db, selection, FormatSettings::us(), blockSize);
    return invoiceNos(reader);
}

} // namespace

class TestInvoicePrintReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void selectionTexts()
    {
        InvoiceSelection s;
        QCOMPARE(s.lines().size(), 9);
        QCOMPARE(s.lines()[0], QStringLiteral("SELECT I.*,"));
        QCOMPARE(s.lines()[6],
                 QStringLiteral("left outer join Customer Recip on I.Recip_ID = Recip.CustomerNo"));
        QCOMPARE(s.lines()[7], QStringLiteral("WHERE I.Printed = false"));
        QCOMPARE(s.lines()[8], QStringLiteral("ORDER BY I.InvoiceNo"));
        QVERIFY(s.isDefaultSelection());
        s.setSortOrder(InvoiceSelection::ByCustomerNo);
        QCOMPARE(s.lines()[8], QStringLiteral(" Order by C.CustomerNo, I.InvoiceNo "));
        s.setSortOrder(InvoiceSelection::ByCustomerName);
        QCOMPARE(s.lines()[8], QStringLiteral(" Order by C.CustomerName NoCase "));
        s.setSortOrder(7);
        QCOMPARE(s.lines()[8], QStringLiteral(" Order by I.InvoiceNo "));
        s.selectOneInvoice(42);
        QCOMPARE(s.lines()[7], QStringLiteral("WHERE I.ARInvoiceID = 42"));
        QVERIFY(!s.isDefaultSelection());
        QCOMPARE(invoicesToBePrintedText(0), QStringLiteral("0 invoice(s) to be printed"));
    }

    void selectionAndOrder_data() { testdb::addEngineRows(); }
    void selectionAndOrder()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, 1, kAmes, QStringLiteral("10003"), cents(100));
        addInvoice(*db, 2, kBaker, QStringLiteral("10001"), cents(100));
        addInvoice(*db, 3, kCounty, QStringLiteral("10002"), cents(100),
                   {{QStringLiteral("Printed"), true}});
        addInvoice(*db, 4, kCole, QStringLiteral("10004"), cents(100));
        addInvoice(*db, 5, kCounty, QStringLiteral("10005"), cents(100));
        addInvoice(*db, 6, kAmes, QStringLiteral("10000"), cents(100));
        // An invoice whose customer is gone is not printed.
        addInvoice(*db, 7, 99, QStringLiteral("09999"), cents(100));

        InvoiceSelection selection;
        QCOMPARE(selection.count(*db), 5);
        QCOMPARE(invoiceNos(*db, selection),
                 QStringList({"10000", "10001", "10003", "10004", "10005"}));
        selection.setSortOrder(InvoiceSelection::ByCustomerNo); // 0999, 1002, 1003, COUNTY
        QCOMPARE(invoiceNos(*db, selection),
                 QStringList({"10004", "10000", "10003", "10001", "10005"}));
        // "baker, lou" sorts between Ames and Cole whatever its case.
        selection.setSortOrder(InvoiceSelection::ByCustomerName);
        QCOMPARE(invoiceNos(*db, selection),
                 QStringList({"10003", "10000", "10001", "10004", "10005"}));

        // One invoice by its id, printed or not.
        selection.selectOneInvoice(3);
        QCOMPARE(selection.count(*db), 1);
        QCOMPARE(invoiceNos(*db, selection), QStringList{"10002"});
        selection.selectOneInvoice(404);
        QCOMPARE(selection.count(*db), 0);
        PrintedInvoiceReader none(*db, selection);
        QCOMPARE(none.count(), 0);
        QVERIFY(!none.next());
    }

    void everythingAnInvoicePrintsWith_data() { testdb::addEngineRows(); }
    void everythingAnInvoicePrintsWith()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, 1, kAmes, QStringLiteral("10001"), cents(11660),
                   {{QStringLiteral("Owing"), QVariant::fromValue(cents(6660))},
                    {QStringLiteral("Description"), QStringLiteral("March meals")},
                    {QStringLiteral("PurchaseOrderNo"), QStringLiteral("PO-7")},
                    {QStringLiteral("Recip_ID"), QStringLiteral("1002")},
                    {QStringLiteral("Tax1ID"), kGst},
                    {QStringLiteral("Tax2ID"), kPst},
                    {QStringLiteral("Tax1Code"), QStringLiteral("G")},
                    {QStringLiteral("Tax2Code"), QStringLiteral("P")},
                    {QStringLiteral("Tax1Rate"), 5.0},
                    {QStringLiteral("Tax2Rate"), 7.0},
                    {QStringLiteral("TaxableAmount1"), QVariant::fromValue(cents(10000))},
                    {QStringLiteral("TaxableAmtCode1"), QStringLiteral("G")},
                    {QStringLiteral("TaxableAmount2"), QVariant::fromValue(cents(1000))},
                    {QStringLiteral("TaxableAmtCode2"), QStringLiteral("P")},
                    {QStringLiteral("DiscPC"), 2.0},
                    {QStringLiteral("NetDays"), 30},
                    // The invoice's own copy of the kind must not hide the customer's.
                    {QStringLiteral("CustomerType"), QStringLiteral("F")}});
        addLine(*db, 1, 2,
                {{QStringLiteral("Quantity"), 1.0},
                 {QStringLiteral("ItemID"), kTray},
                 {QStringLiteral("UnitPrice"), QVariant::fromValue(cents(1000))},
                 {QStringLiteral("TaxCodes"), QStringLiteral("GPX")},
                 {QStringLiteral("ItemOvDesc"), QStringLiteral("Tray, returned")}});
        addLine(*db, 1, 1,
                {{QStringLiteral("Quantity"), 3.0},
                 {QStringLiteral("ItemID"), kHotMeal},
                 {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromRaw(333350))},
                 {QStringLiteral("TaxCodes"), QStringLiteral("G")}});
        addLine(*db, 1, 3, {{QStringLiteral("ItemOvDesc"), QStringLiteral("Thank you")}});
        // Another open invoice of Ames, already printed, counts in the current balance.
        addInvoice(*db, 2, kAmes, QStringLiteral("09000"), cents(2500),
                   {{QStringLiteral("Printed"), true}});
        // The funder's invoice for Ames's meals, delivered to Ames.
        addInvoice(
            *db, 3, kCounty, QStringLiteral("10002"), cents(4000),
            {{QStringLiteral("Recip_ID"), QStringLiteral("1002")}, {QStringLiteral("COD"), true}});
        // Baker's only open invoice, with no recipient.
        addInvoice(*db, 4, kBaker, QStringLiteral("10003"), cents(900));

        PrintedInvoiceReader reader(*db, InvoiceSelection(), FormatSettings::us());
        QCOMPARE(reader.count(), 3);
        QVERIFY(reader.next());
        const PrintedInvoice ames = reader.current();
        QCOMPARE(ames.arInvoiceId, 1);
        QCOMPARE(ames.customerId, kAmes);
        QCOMPARE(ames.description, QStringLiteral("March meals"));
        QCOMPARE(ames.invoiceDate, QDate(2024, 3, 1));
        QCOMPARE(ames.purchaseOrderNo, QStringLiteral("PO-7"));
        QCOMPARE(ames.warehouseName, QStringLiteral("Main kitchen"));
        QCOMPARE(ames.currencyName, QStringLiteral("US Dollar"));
        QCOMPARE(ames.customerType, QStringLiteral("C"));
        QCOMPARE(ames.customerMessage, QStringLiteral("Thank you, Ruth"));
        QVERIFY(!ames.printed);
        QCOMPARE(ames.addressLine2P, QStringLiteral("Dayton, OH     45402"));
        QCOMPARE(ames.addressLine3P, QStringLiteral("USA"));
        QCOMPARE(ames.addressLine4P, QString());
        QCOMPARE(ames.shipToName, QStringLiteral("Ruth Ames"));
        QCOMPARE(ames.shipToAddressLine2P, QStringLiteral("Back door"));
        QCOMPARE(ames.shipToAddressLine3P, QStringLiteral("Kettering, OH     45429"));
        QCOMPARE(ames.terms, QStringLiteral("Terms: 2% 0   Due 3/31/2024"));
        QCOMPARE(ames.tax1Amount, cents(500));
        QCOMPARE(ames.tax2Amount, cents(70));
        QCOMPARE(ames.subtotal, cents(11090));
        QCOMPARE(ames.payments, cents(5000));
        QCOMPARE(ames.tax1DescriptionRate, QStringLiteral("GST @ 5%"));
        QCOMPARE(ames.tax2DescriptionRate, QStringLiteral("PST @ 7%"));
        QCOMPARE(ames.currentBalance, cents(6660 + 2500));
        QCOMPARE(int(ames.lines.size()), 3);
        QCOMPARE(ames.lines[0].seq, 1);
        QCOMPARE(ames.lines[0].itemNo, QStringLiteral("101"));
        QCOMPARE(ames.lines[0].description, QStringLiteral("Hot meal"));
        QCOMPARE(ames.lines[0].extAmount, std::optional<Money>(cents(10001))); // 3 × 33.335
        QCOMPARE(ames.lines[1].description, QStringLiteral("Tray, returned"));
        QCOMPARE(ames.lines[1].applicableTaxCodes, QStringLiteral("GP"));
        QCOMPARE(ames.lines[1].quantity, std::optional<double>(1.0));
        QCOMPARE(ames.lines[2].quantity, std::nullopt);
        QCOMPARE(ames.lines[2].unitPrice, std::nullopt);
        QCOMPARE(ames.lines[2].itemNo, QString());

        QVERIFY(reader.next());
        const PrintedInvoice county = reader.current();
        QCOMPARE(county.customerType, QStringLiteral("F"));
        QCOMPARE(county.addressLine2P, QStringLiteral("Suite 2"));
        QCOMPARE(county.addressLine3P, QStringLiteral("Dayton"));
        QCOMPARE(county.taxNo, QStringLiteral("TX-88"));
        QCOMPARE(county.recipId, QStringLiteral("1002"));
        QCOMPARE(county.recipientName, QStringLiteral("Ames, Ruth"));
        QCOMPARE(county.shipToName, QStringLiteral("Ruth Ames"));
        QCOMPARE(county.shipToAddressLine1, QStringLiteral("9 Oak Ave"));
        QCOMPARE(county.terms, QStringLiteral("Terms: C.O.D."));
        QCOMPARE(county.tax1DescriptionRate, QString()); // no tax at all
        QVERIFY(county.lines.empty());

        QVERIFY(reader.next());
        const PrintedInvoice baker = reader.current();
        QCOMPARE(baker.recipientName, QString());
        QCOMPARE(baker.shipToName, QString());
        QCOMPARE(baker.currentBalance, cents(900));
        InvoiceWordingOptions integrated;
        integrated.clientInvoiceFormat = QStringLiteral("I");
        const InvoiceWording w = InvoiceWordingRun(integrated, FormatSettings::us()).next(baker);
        QVERIFY(w.showPriorBalance);
        QCOMPARE(w.priorBalance, Money());
        QCOMPARE(w.deliveredToLabel, QStringLiteral("Same"));
        QVERIFY(!reader.next());
    }

    void readsBlockByBlockAndStartsAgain_data() { testdb::addEngineRows(); }
    void readsBlockByBlockAndStartsAgain()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        for (int i = 1; i <= 7; ++i) {
            const qint64 customer = i % 2 ? kAmes : kBaker;
            addInvoice(*db, i, customer, QStringLiteral("1000%1").arg(i), cents(100 * i));
            for (int seq = 1; seq <= i % 3; ++seq)
                addLine(*db, i, seq,
                        {{QStringLiteral("Quantity"), double(seq)},
                         {QStringLiteral("ItemID"), kHotMeal},
                         {QStringLiteral("UnitPrice"), QVariant::fromValue(cents(i))}});
        }
        const QStringList all = {"10001", "10002", "10003", "10004", "10005", "10006", "10007"};
        PrintedInvoiceReader reader(*db, InvoiceSelection(), FormatSettings::us(), 3);
        QCOMPARE(reader.count(), 7);
        QList<int> lineCounts;
        QList<qint64> balances;
        QStringList first;
        while (reader.next()) {
            first << reader.current().invoiceNo;
            lineCounts << int(reader.current().lines.size());
            balances << reader.current().currentBalance.raw();
            for (const PrintedInvoiceLine& line : reader.current().lines)
                QCOMPARE(line.extAmount,
                         std::optional<Money>(cents(line.seq * reader.current().arInvoiceId)));
        }
        QCOMPARE(first, all);
        QCOMPARE(lineCounts, (QList<int>{1, 2, 0, 1, 2, 0, 1}));
        // Ames has 1, 3, 5, 7 (16.00), Baker 2, 4, 6 (12.00), whichever block they are read in.
        const qint64 ames = cents(1600).raw();
        const qint64 baker = cents(1200).raw();
        QCOMPARE(balances, (QList<qint64>{ames, baker, ames, baker, ames, baker, ames}));

        // A second copy reads the same batch afresh; an invoice deleted meanwhile is passed
        // over, one printed meanwhile still belongs to the batch.
        db->exec(QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID IN (3, 7)"));
        db->exec(QStringLiteral("UPDATE ARInv SET Printed = true WHERE ARInvoiceID = 4"));
        reader.rewind();
        QCOMPARE(invoiceNos(reader), QStringList({"10001", "10002", "10004", "10005", "10006"}));
        QCOMPARE(reader.count(), 7);
    }

    // The labels of a batch are its invoices in print order, with every field the label
    // template may name; an invoice deleted meanwhile has none.
    void labelsFollowTheBatch_data() { testdb::addEngineRows(); }
    void labelsFollowTheBatch()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, 1, kCounty, QStringLiteral("10001"), cents(100),
                   {{QStringLiteral("Recip_ID"), QStringLiteral("1002")},
                    {QStringLiteral("PurchaseOrderNo"), QStringLiteral("PO-9")},
                    {QStringLiteral("GLYear"), 2024}});
        addInvoice(*db, 2, kAmes, QStringLiteral("10002"), cents(200));
        addInvoice(*db, 3, kBaker, QStringLiteral("10003"), cents(300));
        addInvoice(*db, 4, kCole, QStringLiteral("10004"), cents(400),
                   {{QStringLiteral("Printed"), true}});
        InvoiceSelection byName;
        byName.setSortOrder(InvoiceSelection::ByCustomerName);
        PrintedInvoiceReader reader(*db, byName, FormatSettings::us());
        InvoiceLabelRows labels(*db, reader.keys());
        const auto read = [&labels](const QString& field) {
            QStringList values;
            while (labels.next())
                values << labels.row().value(field).toString();
            labels.rewind();
            return values;
        };
        // Ames, baker (names compared without case), County; Cole is printed already.
        QCOMPARE(read(QStringLiteral("InvoiceNo")), QStringList({"10002", "10003", "10001"}));
        QCOMPARE(read(QStringLiteral("ShipToName")), QStringList({"", "", "Ruth Ames"}));
        QCOMPARE(read(QStringLiteral("CustomerType_1")), QStringList({"C", "C", "F"}));
        QCOMPARE(read(QStringLiteral("PurchaseOrderNo")), QStringList({"", "", "PO-9"}));
        // A number left empty reads as nothing on both engines, not as 0.
        QCOMPARE(read(QStringLiteral("GLYear")), QStringList({"", "", "2024"}));
        db->exec(QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID = 3"));
        QCOMPARE(read(QStringLiteral("InvoiceNo")), QStringList({"10002", "10001"}));
    }

    void organization_data() { testdb::addEngineRows(); }
    void organization()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        InvoiceOrganization org = readInvoiceOrganization(*db);
        QCOMPARE(org.letterhead.companyName, QStringLiteral("Hearth Meals"));
        QVERIFY(org.letterhead.logo.isNull());
        QCOMPARE(org.options.copiesToPrint(), 1);
        QVERIFY(!org.options.suppressInvoiceWording);

        setCompany(*db, {{QStringLiteral("AddressLine1"), QStringLiteral("1 Main St")},
                         {QStringLiteral("AddressLine2"), QStringLiteral("Dayton")},
                         {QStringLiteral("Phone"), QStringLiteral("555-0100")},
                         {QStringLiteral("ARInvoiceMessage"), QStringLiteral("Pay by the 15th")},
                         {QStringLiteral("FunderInvoiceFormat"), QStringLiteral("I")},
                         {QStringLiteral("ClientInvoiceFormat"), QStringLiteral("S")},
                         {QStringLiteral("SuppressInvoiceWording"), true},
                         {QStringLiteral("ARInvoiceAustralia"), true},
                         {QStringLiteral("ARPrintTerms"), true},
                         {QStringLiteral("ARInvoiceCopies"), 2}});
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "PNG"));
        records::insert(*db, ar::logo(), {{QStringLiteral("Logo"), png}});

        org = readInvoiceOrganization(*db);
        QCOMPARE(org.letterhead.addressLabel, QStringLiteral("1 Main St, Dayton"));
        QCOMPARE(org.letterhead.footerLine2, QStringLiteral("1 Main St, Dayton   Tel: 555-0100"));
        QCOMPARE(org.letterhead.invoiceMessage, QStringLiteral("Pay by the 15th"));
        QCOMPARE(org.options.funderInvoiceFormat, QStringLiteral("I"));
        QCOMPARE(org.options.clientInvoiceFormat, QStringLiteral("S"));
        QVERIFY(org.options.suppressInvoiceWording);
        QVERIFY(org.options.australia);
        QVERIFY(org.options.printTerms);
        QCOMPARE(org.options.copiesToPrint(), 2);
        QCOMPARE(org.letterhead.logo.size(), QSize(4, 3));
        QCOMPARE(org.letterhead.logo.pixelColor(1, 1), QColor(Qt::red));
    }
};

QTEST_GUILESS_MAIN(TestInvoicePrintReader)
#include "test_invoiceprintreader.moc"

// What the invoice window shows beside the document's fields, and how the grid column an item is
// chosen in decides its check, on both engines.
#include "engine/database.h"
#include "invoicefixture.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/ui/invoicelinecolumns.h"
#include "receivables/invoices/ui/invoiceview.h"
#include "testdatabases.h"

#include <QTest>
#include <functional>

using namespace invoicefixture;

namespace
{

std::unique_ptr<InvoiceDocument> newInvoice(Database& db)
{
    return InvoiceDocument::openNew(db, FormatSettings::us());
}

// The message a call is refused with; empty when it goes through.
QString refusalOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const InvoiceRefusal& r) {
        return r.message();
    }
    return {};
}

} // namespace

class TestInvoiceView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerAsTheWindowShowsIt_data() { testdb::addEngineRows(); }
    void headerAsTheWindowShowsIt()
    {
        using namespace invoiceview;
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        create(*db);
        auto doc = newInvoice(*db);
        QCOMPARE(caption(*doc), QStringLiteral("New Invoice"));
        QVERIFY(!showsAddressAndTerms(*doc));
        QVERIFY(!showsShipToAddress(*doc));

        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(caption(*doc), QStringLiteral("Invoice 10001"));
        QVERIFY(showsAddressAndTerms(*doc));
        QVERIFY(showsShipToAddress(*doc));
        QVERIFY(!showsRecipientButton(*doc));
        QCOMPARE(deliveredToName(*doc), QStringLiteral("Ruth Ames"));
        doc->addLine({1, kGoods, std::nullopt, QString()}); // 100.00 G
        doc->addLine({1, kBoth, std::nullopt, QString()});  // 50.00 GP
        QCOMPARE(taxLine(*doc), QStringLiteral("GST: 7.50     PST: 3.50"));

        // A funder delivers to itself until another customer is named; it is exempt from GST.
        doc->setCustomerNoText(QStringLiteral("COUNTY"));
        QVERIFY(showsRecipientButton(*doc));
        QCOMPARE(deliveredToName(*doc), QStringLiteral("Same"));
        QCOMPARE(taxLine(*doc), QStringLiteral("PST: 3.50"));
        doc->setRecipId(QStringLiteral("1002"));
        QCOMPARE(deliveredToName(*doc), QStringLiteral("Ruth Ames"));

        doc->setCustomerNoText(QStringLiteral("1004")); // no taxes
        QCOMPARE(taxLine(*doc), QString());
        doc->setCustomerNoText(QString());
        QCOMPARE(caption(*doc), QStringLiteral("New Invoice"));
        QVERIFY(!showsAddressAndTerms(*doc));
    }

    void itemCheckFollowsTheColumn_data() { testdb::addEngineRows(); }
    void itemCheckFollowsTheColumn()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        create(*db);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        doc->appendLine();
        const auto choose = [&](qint64 itemId, LineColumn column) {
            return refusalOf([&] { setLineItemInColumn(*doc, itemId, column); });
        };
        QCOMPARE(choose(kSoup, LineColumn::Item), QStringLiteral("Item has been suspended"));
        QCOMPARE(choose(4242, LineColumn::Item),
                 QStringLiteral("Item not found...\r\nPress Esc or enter a different item no"));
        QCOMPARE(choose(kSoup, LineColumn::OverrideDescription),
                 QStringLiteral("Item '103: Soup of the day' has been suspended"));
        QVERIFY(!doc->line(0).itemId);
        QCOMPARE(choose(4242, LineColumn::OverrideDescription), QString());
        QCOMPARE(choose(kSoup, LineColumn::UnitPrice), QString());
        QCOMPARE(doc->line(0).itemId, kSoup);
        QCOMPARE(choose(0, LineColumn::Item), QString());
        QVERIFY(!doc->line(0).itemId);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceView)
#include "test_invoiceview.moc"

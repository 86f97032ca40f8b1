// The row sources user-designed reports bind to, on both engines: each gives the fields it
// declares, orders alike on both engines, and takes no order that is not one of its fields.
#include "arworld.h"
#include "reports/namedsources.h"
#include "testdatabases.h"

#include <QTest>

using namespace reports;

namespace
{
QStringList column(report::RowSource& rows, const QString& field)
{
    QStringList values;
    rows.rewind();
    while (rows.next())
        values << rows.row().value(field).toString();
    return values;
}
} // namespace

class TestNamedSources : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everySourceGivesItsDeclaredFields_data() { testdb::addEngineRows(); }
    void everySourceGivesItsDeclaredFields()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("100"), QStringLiteral("Adams"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 1, 125000);
        arworld::addInvoice(*db, 10, 1, QStringLiteral("10001"));
        records::insert(*db, ar::item(),
                        {{QStringLiteral("ItemID"), 5},
                         {QStringLiteral("ItemNo"), QStringLiteral("12")},
                         {QStringLiteral("ItemDescription"), QStringLiteral("Hot lunch")}});
        records::insert(*db, ar::arInvDet(),
                        {{QStringLiteral("ARInvoiceID"), 10},
                         {QStringLiteral("Seq"), 1},
                         {QStringLiteral("ItemID"), 5},
                         {QStringLiteral("Quantity"), 3.0}});
        records::insert(*db, ar::arPmt(),
                        {{QStringLiteral("PaymentID"), 7},
                         {QStringLiteral("CustomerID"), 1},
                         {QStringLiteral("ChequeNo"), QStringLiteral("C-1")}});
        records::insert(*db, ar::arInvPmt(),
                        {{QStringLiteral("ARInvoiceID"), 10},
                         {QStringLiteral("PaymentID"), 7},
                         {QStringLiteral("PaymentAmount"), 50000}});

        const NamedSources sources;
        QCOMPARE(sources.sourceNames(),
                 (QStringList{QStringLiteral("Customer"), QStringLiteral("ARInv"),
                              QStringLiteral("ARInvDet"), QStringLiteral("ARPmt"),
                              QStringLiteral("ARPmtDet"), QStringLiteral("Item"), kLabelSource}));
        for (const QString& name : sources.sourceNames()) {
            auto rows = sources.open(*db, name);
            QVERIFY2(rows->next(), qPrintable(name));
            const QStringList declared = *sources.fieldsOf(name);
            QCOMPARE(rows->row().fields().size(), declared.size());
            for (const QString& field : declared)
                QVERIFY2(rows->row().has(field), qPrintable(name + QLatin1Char('.') + field));
            QVERIFY2(!rows->next(), qPrintable(name));
        }

        // What the joins bring.
        auto customers = sources.open(*db, QStringLiteral("customer"));
        QVERIFY(customers->next());
        QCOMPARE(customers->row().value(QStringLiteral("Balance")).toLongLong(), 125000);
        auto lines = sources.open(*db, QStringLiteral("ARInvDet"));
        QVERIFY(lines->next());
        QCOMPARE(lines->row().value(QStringLiteral("ItemDescription")).toString(),
                 QStringLiteral("Hot lunch"));
        QCOMPARE(lines->row().value(QStringLiteral("InvoiceNo")).toString(),
                 QStringLiteral("10001"));
        auto applied = sources.open(*db, QStringLiteral("ARPmtDet"));
        QVERIFY(applied->next());
        QCOMPARE(applied->row().value(QStringLiteral("ChequeNo")).toString(),
                 QStringLiteral("C-1"));
        QCOMPARE(applied->row().value(QStringLiteral("InvoiceNo")).toString(),
                 QStringLiteral("10001"));
    }

    void ordersAlikeOnBothEngines_data() { testdb::addEngineRows(); }
    void ordersAlikeOnBothEngines()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("1"), QStringLiteral("beta"),
                             QStringLiteral("F"));
        arworld::addCustomer(*db, 2, QStringLiteral("2"), QStringLiteral("Alpha"),
                             QStringLiteral("C"));
        arworld::addCustomer(*db, 3, QStringLiteral("3"), QString(), QStringLiteral("C"));
        arworld::addCustomer(*db, 4, QStringLiteral("4"), QStringLiteral("Gamma"),
                             QStringLiteral("F"));
        arworld::addCustomer(*db, 5, QStringLiteral("5"), QStringLiteral("alpha"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 1, -500);
        arworld::addBalance(*db, 4, 900);
        const NamedSources sources;

        // Without an order, the source's key.
        auto natural = sources.open(*db, QStringLiteral("Customer"));
        QCOMPARE(column(*natural, QStringLiteral("CustomerNo")),
                 (QStringList{"1", "2", "3", "4", "5"}));
        // Empty values first, text without regard to case, the key deciding ties.
        auto byName =
            sources.open(*db, QStringLiteral("Customer"), {QStringLiteral("customername")});
        QCOMPARE(column(*byName, QStringLiteral("CustomerNo")),
                 (QStringList{"3", "2", "5", "1", "4"}));
        auto byTypeAndBalance =
            sources.open(*db, QStringLiteral("Customer"),
                         {QStringLiteral("CustomerType"), QStringLiteral("Balance")});
        QCOMPARE(column(*byTypeAndBalance, QStringLiteral("CustomerNo")),
                 (QStringList{"2", "3", "5", "1", "4"}));
    }

    void takesOnlyDeclaredNames()
    {
        const NamedSources sources;
        const SqliteDialect dialect;
        for (const QString& field : {QStringLiteral("CustomerName; DELETE FROM Customer"),
                                     QStringLiteral("C.CustomerName"), QStringLiteral("Owing")}) {
            QVERIFY_THROWS_EXCEPTION(
                report::TemplateError,
                sources.selectSql(dialect, QStringLiteral("Customer"), {field}));
        }
        QVERIFY_THROWS_EXCEPTION(report::TemplateError,
                                 sources.selectSql(dialect, QStringLiteral("Customer C"), {}));
        QVERIFY(!sources.fieldsOf(QStringLiteral("CBalance")));
    }

    void labelRowsAreTheUnprintedInvoicesWithTheirAddresses_data() { testdb::addEngineRows(); }
    void labelRowsAreTheUnprintedInvoicesWithTheirAddresses()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("F1"), QStringLiteral("County Fund"),
                             QStringLiteral("F"),
                             {{QStringLiteral("AddressLine1"), QStringLiteral("1 Main St")},
                              {QStringLiteral("City"), QStringLiteral("Springfield")}});
        arworld::addCustomer(*db, 2, QStringLiteral("C7"), QStringLiteral("Baker, Bob"),
                             QStringLiteral("C"),
                             {{QStringLiteral("ShipToName"), QStringLiteral("Bob Baker")},
                              {QStringLiteral("ShipToAddressLine1"), QStringLiteral("9 Oak Ave")}});
        // The funder's invoice for its client, the client's own, and one already printed.
        arworld::addInvoice(*db, 1, 1, QStringLiteral("10003"),
                            {{QStringLiteral("Recip_ID"), QStringLiteral("C7")},
                             {QStringLiteral("CustomerType"), QStringLiteral("C")}});
        arworld::addInvoice(*db, 2, 2, QStringLiteral("10002"),
                            {{QStringLiteral("CustomerType"), QStringLiteral("C")}});
        arworld::addInvoice(*db, 3, 2, QStringLiteral("10001"),
                            {{QStringLiteral("Printed"), true}});

        const NamedSources sources;
        auto rows = sources.open(*db, kLabelSource);
        QCOMPARE(column(*rows, QStringLiteral("InvoiceNo")), (QStringList{"10002", "10003"}));
        QCOMPARE(column(*rows, QStringLiteral("ShipToName")), (QStringList{"", "Bob Baker"}));
        QCOMPARE(column(*rows, QStringLiteral("AddressLine1")), (QStringList{"", "1 Main St"}));
        // The invoice's customer kind, and the customer's own beside it.
        QCOMPARE(column(*rows, QStringLiteral("CustomerType")), (QStringList{"C", "C"}));
        QCOMPARE(column(*rows, QStringLiteral("CustomerType_1")), (QStringList{"C", "F"}));
    }
};

QTEST_MAIN(TestNamedSources)
#include "test_namedsources.moc"

// The pick lists' views: their order, filters and the display fields computed from each row.
#include "data/artables.h"
#include "data/lookupfields.h"
#include "data/lookups.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

#include <QTest>

class TestLookups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void displayFields()
    {
        QCOMPARE(salesmanFullName(QStringLiteral("Ann"), QStringLiteral("Lee")),
                 QStringLiteral("Ann Lee"));
        QCOMPARE(salesmanFullName(QString(), QStringLiteral("Lee")), QStringLiteral("Lee"));
        QCOMPARE(salesmanFullName(QStringLiteral("Ann"), QString()), QStringLiteral("Ann"));

        QCOMPARE(
            joinedAddress({QStringLiteral("4 Elm St"), {}, {}, {}, {}, QStringLiteral("Canada")}),
            QStringLiteral("4 Elm St, Canada"));
        QCOMPARE(joinedAddress({QStringLiteral("4 Elm St"),
                                QStringLiteral("Apt 2"),
                                QStringLiteral("Dayton"),
                                QStringLiteral("OH"),
                                QStringLiteral("45402"),
                                {}}),
                 QStringLiteral("4 Elm St, Apt 2, Dayton, OH, 45402"));
        const QString longLine(90, QLatin1Char('x'));
        QCOMPARE(joinedAddress({longLine, QStringLiteral("Suite 100")}).size(), 100);

        QCOMPARE(vendorTerms(2.5, 10, 30, 5), QStringLiteral("Terms: 2.5% 10 Net 30   Delay 5"));
        QCOMPARE(vendorTerms(2.0, std::nullopt, 30, std::nullopt),
                 QStringLiteral("Terms: 2% 0 Net 30   Delay 0"));
        QCOMPARE(vendorTerms(0.0, 10, std::nullopt, 3), QStringLiteral("Terms: Net 0   Delay 3"));
        QCOMPARE(vendorTerms(std::nullopt, std::nullopt, std::nullopt, std::nullopt),
                 QStringLiteral("Terms: Net 0   Delay 0"));
    }

    void viewsAreOrderedAndComputed_data() { testdb::addEngineRows(); }
    void viewsAreOrderedAndComputed()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        for (const TableDef& t : {ar::salesman(), ar::customer()})
            schema::createTable(*db, t);
        const TableDef salesman = ar::salesman();
        records::insert(*db, salesman,
                        {{QStringLiteral("SalesmanID"), 1},
                         {QStringLiteral("LastName"), QStringLiteral("smith")},
                         {QStringLiteral("FirstName"), QStringLiteral("Zoe")}});
        records::insert(*db, salesman,
                        {{QStringLiteral("SalesmanID"), 2},
                         {QStringLiteral("LastName"), QStringLiteral("Brown")}});
        records::insert(*db, salesman,
                        {{QStringLiteral("SalesmanID"), 3},
                         {QStringLiteral("LastName"), QStringLiteral("Smith")},
                         {QStringLiteral("FirstName"), QStringLiteral("adam")}});
        const TableDef customer = ar::customer();
        records::insert(*db, customer,
                        {{QStringLiteral("CustomerID"), 1},
                         {QStringLiteral("CustomerNo"), QStringLiteral("1002")},
                         {QStringLiteral("CustomerName"), QStringLiteral("Ames, Ruth")},
                         {QStringLiteral("CustomerType"), QStringLiteral("C")},
                         {QStringLiteral("AddressLine1"), QStringLiteral("4 Elm St")},
                         {QStringLiteral("Country"), QStringLiteral("USA")},
                         {QStringLiteral("ShipToCity"), QStringLiteral("Dayton")}});
        records::insert(*db, customer,
                        {{QStringLiteral("CustomerID"), 2},
                         {QStringLiteral("CustomerNo"), QStringLiteral("COUNTY")},
                         {QStringLiteral("CustomerName"), QStringLiteral("county aging office")},
                         {QStringLiteral("CustomerType"), QStringLiteral("F")}});
        records::insert(*db, customer,
                        {{QStringLiteral("CustomerID"), 3},
                         {QStringLiteral("CustomerNo"), QStringLiteral("1001")},
                         {QStringLiteral("CustomerName"), QStringLiteral("Baker, Lou")},
                         {QStringLiteral("CustomerType"), QStringLiteral("C")}});

        TdmLookUps lookups(*db);
        QVERIFY(!lookups.tblSalesman->isOpen());
        lookups.tblSalesman->open();
        QCOMPARE(lookups.tblSalesman->rowCount(), 3);
        QCOMPARE(lookups.tblSalesman->value(0, QStringLiteral("FullName")).toString(),
                 QStringLiteral("Brown"));
        QCOMPARE(lookups.tblSalesman->value(1, QStringLiteral("FullName")).toString(),
                 QStringLiteral("adam Smith"));
        QCOMPARE(lookups.tblSalesman->value(2, QStringLiteral("FullName")).toString(),
                 QStringLiteral("Zoe smith"));

        lookups.tblCustomer->open();
        QCOMPARE(lookups.tblCustomer->value(0, QStringLiteral("CustomerName")).toString(),
                 QStringLiteral("Ames, Ruth"));
        QCOMPARE(lookups.tblCustomer->value(2, QStringLiteral("CustomerName")).toString(),
                 QStringLiteral("county aging office"));
        QCOMPARE(lookups.tblCustomer->value(0, QStringLiteral("Address")).toString(),
                 QStringLiteral("4 Elm St, USA"));
        QCOMPARE(lookups.tblCustomer->value(0, QStringLiteral("ShipToAddress")).toString(),
                 QStringLiteral(", Dayton"));
        const int addressColumn = lookups.tblCustomer->columnCount() - 2;
        QCOMPARE(lookups.tblCustomer->headerData(addressColumn, Qt::Horizontal).toString(),
                 QStringLiteral("Address"));
        QCOMPARE(lookups.tblCustomer->data(lookups.tblCustomer->index(0, addressColumn)).toString(),
                 QStringLiteral("4 Elm St, USA"));
        QVERIFY(
            !(lookups.tblCustomer->flags(lookups.tblCustomer->index(0, 1)) & Qt::ItemIsEditable));

        // Recipients are the clients only, in customer-number order, and can be edited.
        lookups.tblRecipient->open();
        QCOMPARE(lookups.tblRecipient->rowCount(), 2);
        QCOMPARE(lookups.tblRecipient->value(0, QStringLiteral("CustomerNo")).toString(),
                 QStringLiteral("1001"));
        const int nameColumn = 2;
        QCOMPARE(lookups.tblRecipient->headerData(nameColumn, Qt::Horizontal).toString().toLower(),
                 QStringLiteral("customername"));
        QVERIFY(lookups.tblRecipient->setData(lookups.tblRecipient->index(0, nameColumn),
                                              QStringLiteral("Baker, Louis")));
        Statement stored =
            db->query(QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerID = 3"));
        stored.exec();
        QVERIFY(stored.next());
        QCOMPARE(stored.text(0), QStringLiteral("Baker, Louis"));
        QCOMPARE(lookups.tblRecipient->rowOf(QStringLiteral("CustomerName"),
                                             QStringLiteral("Baker, Louis")),
                 0);
    }

    void missingVendorTableIsAnEmptyView_data() { testdb::addEngineRows(); }
    void missingVendorTableIsAnEmptyView()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        TdmLookUps lookups(*db);
        lookups.tblVendor->open();
        QVERIFY(lookups.tblVendor->isOpen());
        QCOMPARE(lookups.tblVendor->rowCount(), 0);
        QCOMPARE(lookups.tblVendor->value(0, QStringLiteral("Terms")), QVariant());
        lookups.tblVendor->close();

        db->exec(QStringLiteral("CREATE TABLE Vendor (VendorID INTEGER, VendorName VARCHAR(40), "
                                "AddressLine1 VARCHAR(35),"
                                " AddressLine2 VARCHAR(35), City VARCHAR(35), StateProv "
                                "VARCHAR(20), ZipCode VARCHAR(10),"
                                " Country VARCHAR(20), DiscPC DOUBLE PRECISION, DiscDays SMALLINT, "
                                "NetDays SMALLINT, DelayDays SMALLINT)"));
        db->exec(QStringLiteral("INSERT INTO Vendor (VendorID, VendorName, City, DiscPC, DiscDays, "
                                "NetDays) VALUES (1, 'Fresh Foods', 'Dayton', 1.5, 10, 30)"));
        lookups.tblVendor->open();
        QCOMPARE(lookups.tblVendor->rowCount(), 1);
        QCOMPARE(lookups.tblVendor->value(0, QStringLiteral("Terms")).toString(),
                 QStringLiteral("Terms: 1.5% 10 Net 30   Delay 0"));
        QCOMPARE(lookups.tblVendor->value(0, QStringLiteral("Address")).toString(),
                 QStringLiteral(", Dayton"));
    }
};

QTEST_GUILESS_MAIN(TestLookups)
#include "test_lookups.moc"

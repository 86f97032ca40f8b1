// Choosing the client a funder's meals were delivered to.
#include "data/artables.h"
#include "data/lookups.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "masterdata/ui/recipientlookup.h"
#include "testdatabases.h"

#include <QTableView>
#include <QTest>

class TestRecipientLookup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsClientsAndReturnsTheChoice_data() { testdb::addEngineRows(); }
    void listsClientsAndReturnsTheChoice()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        const TableDef customer = ar::customer();
        schema::createTable(*db, customer);
        auto add = [&](int id, const char* number, const char* name, const char* type) {
            records::insert(*db, customer,
                            {{QStringLiteral("CustomerID"), id},
                             {QStringLiteral("CustomerNo"), QString::fromLatin1(number)},
                             {QStringLiteral("CustomerName"), QString::fromLatin1(name)},
                             {QStringLiteral("CustomerType"), QString::fromLatin1(type)},
                             {QStringLiteral("City"), QStringLiteral("Dayton")}});
        };
        add(1, "1003", "Cole, Ada", "C");
        add(2, "COUNTY", "County Aging Office", "F");
        add(3, "1001", "Ames, Ruth", "C");
        add(4, "1002", "Bell, Tom", "C");
        TdmLookUps lookups(*db);

        TfrmLookupRecipient lookup(*lookups.tblRecipient, QStringLiteral("1002"));
        QCOMPARE(lookup.windowTitle(), QStringLiteral("Lookup Recipient"));
        QCOMPARE(lookup.grid->model()->rowCount(), 3); // clients only
        QCOMPARE(lookup.grid->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Client"));
        QCOMPARE(lookup.grid->model()->index(0, 1).data().toString(), QStringLiteral("1001"));
        QCOMPARE(lookup.grid->model()->index(0, 3).data().toString(), QStringLiteral("Dayton"));
        QCOMPARE(lookup.chosenCustomerNo(), QStringLiteral("1002"));
        lookup.grid->selectRow(2);
        QCOMPARE(lookup.chosenCustomerNo(), QStringLiteral("1003"));

        TfrmLookupRecipient unknown(*lookups.tblRecipient, QStringLiteral("9999"));
        QCOMPARE(unknown.chosenCustomerNo(), QStringLiteral("1001")); // the first when not found
    }
};

QTEST_MAIN(TestRecipientLookup)
#include "test_recipientlookup.moc"

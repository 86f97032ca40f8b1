// Synchronization over a whole sample meal program: it settles after two runs, gives the same
// rows on both engines, and keeps what it wrote when a pass stops half-way.
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "host/sampledata.h"
#include "scripteddialogs.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "sync/passinsert.h"
#include "syncfixture.h"
#include "testdatabases.h"

#include <QTest>

using namespace syncfixture;

namespace
{

std::unique_ptr<Database> sampleProgram(const QString& engine)
{
    auto db = testdb::fresh(engine);
    SampleDataOptions options;
    options.clients = 300;
    options.periodStart = QDate(2025, 3, 1);
    options.seed = 11;
    generateSampleData(*db, options);
    ScriptedDialogs dialogs;
    const SchemaReport report = createOrUpgradeSchema(*db, dialogs);
    if (!report.error.isEmpty())
        qFatal("%s", qPrintable(report.error));
    return db;
}

void synchronizeAll(Database& db)
{
    ScriptedDialogs dialogs;
    NoProgress progress;
    const SyncReport customers = synchronizeCustomers(db, dialogs, progress);
    const SyncReport items = synchronizeItems(db, dialogs, progress);
    QVERIFY2(customers.clean() && items.clean(),
             qPrintable((customers.errorsShown + items.errorsShown).join(QLatin1Char('\n'))));
}

QStringList customersAndItems(Database& db)
{
    return snapshot(db, QStringLiteral("Customer"), QStringLiteral("CustomerID")) +
           snapshot(db, QStringLiteral("Item"), QStringLiteral("ItemID"));
}

TableDef parcels()
{
    return {QStringLiteral("Parcel"),
            {def::integer(QStringLiteral("Parcel_ID")), def::string(QStringLiteral("Label"), 8)},
            {def::primary({QStringLiteral("Parcel_ID")})}};
}

const QStringList kParcelFields = {QStringLiteral("Parcel_ID"), QStringLiteral("Label")};

} // namespace

class TestSyncSettles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void thirdRunChangesNothing_data() { testdb::addEngineRows(); }
    void thirdRunChangesNothing()
    {
        QFETCH(QString, engine);
        auto db = sampleProgram(engine);
        synchronizeAll(*db);
        const QStringList afterFirst = customersAndItems(*db);
        synchronizeAll(*db);
        const QStringList afterSecond = customersAndItems(*db);
        QVERIFY(afterFirst != afterSecond); // the Bill-To overlay and the refresh differ
        synchronizeAll(*db);
        QCOMPARE(customersAndItems(*db), afterSecond);

        // Every numbered client and every funder has its customer, and every host item both
        // of its items.
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Clients WHERE Client_ID IS NOT"
                                               " NULL AND NOT EXISTS (SELECT 1 FROM Customer WHERE"
                                               " CustomerNo = Clients.Client_ID)")),
            0);
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerType ="
                                               " 'F'")),
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM FundSrcs")));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Item")),
                 12 + 2 * testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Items")));
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerType"
                                               " IS NULL OR CustomerType NOT IN ('C', 'F')")),
            0);
    }

    void enginesGiveTheSameRows()
    {
        if (!testdb::postgresAvailable()) {
            if (!qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty())
                QFAIL("TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
            QSKIP("no PostgreSQL server named in TALLYWICK_PG");
        }
        auto sqlite = sampleProgram(QStringLiteral("sqlite"));
        auto postgres = sampleProgram(QStringLiteral("postgres"));
        for (int run = 1; run <= 2; ++run) {
            synchronizeAll(*sqlite);
            synchronizeAll(*postgres);
            const QStringList a = customersAndItems(*sqlite);
            const QStringList b = customersAndItems(*postgres);
            QCOMPARE(a.size(), b.size());
            for (qsizetype i = 0; i < a.size(); ++i)
                QCOMPARE(b[i], a[i]);
        }
    }

    void stoppedPassKeepsTheRowsBeforeIt_data() { testdb::addEngineRows(); }
    void stoppedPassKeepsTheRowsBeforeIt()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());
        {
            PassInsert insert(*db, parcels(), kParcelFields, 2);
            for (int id : {1, 2, 3})
                insert.add({id, QStringLiteral("Box %1").arg(id)});
            try {
                insert.add({1, QStringLiteral("again")}); // refused: its key is taken
                QFAIL("a duplicate key was accepted");
            } catch (const DbError& e) {
                QCOMPARE(e.code(), int(DbError::KeyViolation));
            }
            insert.add({4, QStringLiteral("A label longer than eight")});
        }
        QCOMPARE(snapshot(*db, QStringLiteral("Parcel"), QStringLiteral("Parcel_ID")),
                 (QStringList{QStringLiteral("1|Box 1"), QStringLiteral("2|Box 2"),
                              QStringLiteral("3|Box 3"), QStringLiteral("4|A label ")}));

        // Work that stops between two rows keeps the rows written before it.
        try {
            PassInsert insert(*db, parcels(), kParcelFields, 100);
            insert.add({5, QString()});
            throw std::runtime_error("stopped");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Parcel WHERE Parcel_ID = 5 AND"
                                               " Label IS NULL")),
            1);

        // Inside the caller's own unit of work, that unit decides what stays.
        {
            Transaction outer(*db);
            PassInsert insert(*db, parcels(), kParcelFields, 1);
            insert.add({6, QStringLiteral("six")});
        }
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Parcel")), 5);
    }
};

QTEST_MAIN(TestSyncSettles)
#include "test_syncsettles.moc"

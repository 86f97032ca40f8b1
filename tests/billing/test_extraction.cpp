// The period's meal credits in MemDeliveries, the item filter, the line work tables and the
// client-funding pairs, on both engines.

#include "billing/extraction.h"
#include "billing/extractionpairs.h"
#include "billing/extractiontables.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;

namespace
{

const DeliveryPeriod kJune{QDate(2024, 6, 1), QDate(2024, 6, 30)};
const QString kLongCode = QStringLiteral("MEDICAIDWV"); // as long as the host's field allows

void delivery(Database& db, int id, const QDate& date, int person, const QString& status,
              const QVariant& funding)
{
    records::insert(db, host::deliveries(),
                    {{QStringLiteral("Deliv_ID"), id},
                     {QStringLiteral("Deliv_Dt"), date},
                     {QStringLiteral("Person_ID"), person},
                     {QStringLiteral("Client_ID"), QStringLiteral("C%1").arg(person)},
                     {QStringLiteral("Svcs_Used"), 3},
                     {QStringLiteral("Delivery_Status"), status},
                     {QStringLiteral("Funding_Desc"), funding}});
}

void credit(Database& db, int deliveryId, const QDate& date, int item, int quantity)
{
    records::insert(db, host::mealCredits(),
                    {{QStringLiteral("Deliv_ID"), deliveryId},
                     {QStringLiteral("Deliv_Dt"), date},
                     {QStringLiteral("Item_ID"), item},
                     {QStringLiteral("Quantity"), quantity}});
}

// Two clients in June and one delivery on each side of it. Items 1234 and 12345 differ only in
// their last digit.
std::unique_ptr<Database> openJune(const QString& engine)
{
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    const QDate d3(2024, 6, 3), d4(2024, 6, 4);
    delivery(*db, 1, d3, 20, {}, kLongCode);
    credit(*db, 1, d3, 12345, 1);
    credit(*db, 1, d3, 1234, 2);
    delivery(*db, 2, d4, 20, QStringLiteral("C"), kLongCode);
    credit(*db, 2, d4, 1234, 1);
    delivery(*db, 3, d4, 10, QStringLiteral("D"), QVariant(QMetaType::fromType<QString>()));
    credit(*db, 3, d4, 77, 3);
    credit(*db, 3, QDate(2024, 7, 1), 78, 1); // a credit dated outside the period
    delivery(*db, 4, QDate(2024, 5, 31), 30, {}, QStringLiteral("PRIV"));
    credit(*db, 4, QDate(2024, 5, 31), 77, 1);
    delivery(*db, 5, QDate(2024, 6, 30), 10, {}, QStringLiteral("PRIV"));
    credit(*db, 5, QDate(2024, 6, 30), 77, 1);
    return db;
}

QString stored(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("-");
    const QDate date = Dialect::readDate(v);
    return date.isValid() && v.toString().size() >= 10 ? date.toString(Qt::ISODate) : v.toString();
}

// Every MemDeliveries row as "person client service delivery date funding quantity item comp".
QStringList memDeliveries(Database& db)
{
    Statement s = db.query(QStringLiteral(
        "SELECT Person_ID, Client_ID, Service_ID, Deliv_ID, Deliv_Dt, Funding_Desc, Quantity,"
        " Item_ID, Comp FROM MemDeliveries ORDER BY Deliv_ID, Item_ID"));
    s.exec();
    QStringList rows;
    while (s.next()) {
        QStringList fields;
        for (int i = 0; i < 9; ++i)
            fields << stored(s.value(i));
        rows << fields.join(QLatin1Char(' '));
    }
    return rows;
}

bool tableUsable(Database& db, const QString& table)
{
    try {
        db.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).exec();
        return true;
    } catch (const DbError&) {
        return false;
    }
}

const QString kRow1a = QStringLiteral("20 C20 3 1 2024-06-03 MEDICAIDWV 2 1234 ");
const QString kRow1b = QStringLiteral("20 C20 3 1 2024-06-03 MEDICAIDWV 1 12345 ");
const QString kRow2 = QStringLiteral("20 C20 3 2 2024-06-04 MEDICAIDWV 1 1234 Complimentary");
const QString kRow3 = QStringLiteral("10 C10 3 3 2024-06-04 - 3 77 ");
const QString kRow5 = QStringLiteral("10 C10 3 5 2024-06-30 PRIV 1 77 ");

} // namespace

class TestExtraction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void periodCredits_data() { testdb::addEngineRows(); }
    void periodCredits();
    void itemFilter_data();
    void itemFilter();
    void pairs_data() { testdb::addEngineRows(); }
    void pairs();
};

void TestExtraction::periodCredits()
{
    QFETCH(QString, engine);
    for (bool consolidated : {false, true}) {
        auto db = openJune(engine);
        records::insert(*db, host::config(),
                        {{QStringLiteral("Consolidate_Deliveries"), consolidated}});
        QCOMPARE(deliveriesConsolidated(*db), consolidated);

        QCOMPARE(extractDeliveries(*db, kJune, {}), qint64(5));
        QCOMPARE(memDeliveries(*db), QStringList({kRow1a, kRow1b, kRow2, kRow3, kRow5}));
        QCOMPARE(tableUsable(*db, kMemUniqDeliveries), consolidated);

        // The table's own order: by person, plain before complimentary, by item.
        Statement order = db->query(QStringLiteral("SELECT Deliv_ID, Item_ID FROM MemDeliveries"
                                                   " ORDER BY Person_ID, Comp, Item_ID"));
        order.exec();
        QStringList seen;
        while (order.next())
            seen << order.text(0) + QLatin1Char('/') + order.text(1);
        QCOMPARE(seen, QStringList({"3/77", "5/77", "1/1234", "1/12345", "2/1234"}));

        // A second extraction replaces the first; a period without deliveries leaves it empty.
        QCOMPARE(extractDeliveries(*db, {QDate(2024, 5, 1), QDate(2024, 5, 31)}, {}), qint64(1));
        QCOMPARE(extractDeliveries(*db, {QDate(2023, 1, 1), QDate(2023, 1, 31)}, {}), qint64(0));
        QVERIFY(tableUsable(*db, kMemDeliveries));

        dropWorkTables(*db);
        QVERIFY(!tableUsable(*db, kMemDeliveries));
        QVERIFY(!tableUsable(*db, kMemUniqDeliveries));
    }
}

void TestExtraction::itemFilter_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<qint64>>("items");
    QTest::addColumn<QStringList>("rows");
    QStringList engines{QStringLiteral("sqlite")};
    if (testdb::postgresAvailable())
        engines << QStringLiteral("postgres");
    else if (!qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty())
        QFAIL("TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
    const QStringList all{kRow1a, kRow1b, kRow2, kRow3, kRow5};
    const int include = int(ItemFilterMode::IncludeOnly);
    const int exclude = int(ItemFilterMode::Exclude);
    for (const QString& e : engines) {
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(e + name));
        };
        row(" include five-digit item")
            << e << include << QList<qint64>{12345} << QStringList{kRow1b};
        row(" include two items") << e << include << QList<qint64>{1234, 77}
                                  << QStringList{kRow1a, kRow2, kRow3, kRow5};
        row(" exclude two items") << e << exclude << QList<qint64>{12345, 77}
                                  << QStringList{kRow1a, kRow2};
        row(" include nothing checked") << e << include << QList<qint64>{} << all;
        row(" exclude nothing checked") << e << exclude << QList<qint64>{} << all;
        row(" all ignores checks") << e << int(ItemFilterMode::All) << QList<qint64>{12345} << all;
    }
}

void TestExtraction::itemFilter()
{
    QFETCH(QString, engine);
    QFETCH(int, mode);
    QFETCH(QList<qint64>, items);
    QFETCH(QStringList, rows);
    auto db = openJune(engine);
    for (bool consolidated : {false, true}) {
        const ItemFilter filter{ItemFilterMode(mode), items};
        QCOMPARE(extractDeliveries(*db, kJune, filter, consolidated), qint64(rows.size()));
        QCOMPARE(memDeliveries(*db), rows);
    }
}

void TestExtraction::pairs()
{
    QFETCH(QString, engine);
    auto db = openJune(engine);
    delivery(*db, 6, QDate(2024, 6, 5), 10, {}, QStringLiteral("Aging")); // no meal credited
    delivery(*db, 7, QDate(2024, 6, 6), 10, {}, QStringLiteral("PRIV "));
    credit(*db, 7, QDate(2024, 6, 6), 77, 2);
    delivery(*db, 8, QDate(2024, 6, 7), 40, {}, QStringLiteral("Aging"));
    credit(*db, 8, QDate(2024, 6, 7), 12345, 1);

    // The pairs are those of the extracted rows; a code with a blank after it is the same code,
    // spelled as it comes first.
    extractDeliveries(*db, kJune, {});
    QCOMPARE(
        testdb::scalar(*db, QStringLiteral("SELECT COUNT(DISTINCT Funding_Desc) FROM MemDeliveries "
                                           "WHERE Person_ID = 10")),
        2);
    QList<ClientFundingPair> expected = {
        {10, QString()}, {10, "PRIV"}, {20, kLongCode}, {40, "Aging"}};
    QCOMPARE(clientFundingPairs(*db), expected);

    // The item filter takes away the pairs whose meals it leaves out; the period still has
    // deliveries, so it is not a period without client records.
    extractDeliveries(*db, kJune, {ItemFilterMode::IncludeOnly, {77}});
    expected = {{10, QString()}, {10, "PRIV"}};
    QCOMPARE(clientFundingPairs(*db), expected);
    extractDeliveries(*db, kJune, {ItemFilterMode::IncludeOnly, {999}});
    QVERIFY(clientFundingPairs(*db).isEmpty());
    QVERIFY(periodHasDeliveries(*db, kJune));

    const DeliveryPeriod january{QDate(2023, 1, 1), QDate(2023, 1, 31)};
    extractDeliveries(*db, january, {});
    QVERIFY(clientFundingPairs(*db).isEmpty());
    QVERIFY(!periodHasDeliveries(*db, january));
}

QTEST_MAIN(TestExtraction)
#include "test_extraction.moc"

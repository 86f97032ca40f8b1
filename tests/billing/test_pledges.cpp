// The pledge a meal line adds: per item (item before category) or per day, month or year, once
// per client in a run.
#include "billing/extractiontables.h"
#include "billing/pledges.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;

namespace
{

void prepare(Database& db)
{
    host::createTables(db);
    schema::createTable(db, ar::item());
    records::insert(
        db, ar::item(),
        {{QStringLiteral("ItemID"), 40}, {QStringLiteral("ItemNo"), QStringLiteral("P57")}});
    records::insert(
        db, ar::item(),
        {{QStringLiteral("ItemID"), 41}, {QStringLiteral("ItemNo"), QStringLiteral("P58")}});
    auto price = [&](int person, const char* method, const char* unit, const QVariant& amount) {
        records::insert(db, host::pricing(),
                        {{QStringLiteral("Person_ID"), person},
                         {QStringLiteral("Method"), QString::fromLatin1(method)},
                         {QStringLiteral("Unit"), QString::fromLatin1(unit)},
                         {QStringLiteral("Amount"), amount}});
    };
    price(1, "P", "57", QStringLiteral("1.2500")); // this lunch
    price(1, "P", "L", QStringLiteral("0.7500"));  // any lunch
    price(2, "P", "57", QVariant());               // an item row without an amount
    price(2, "P", "L", QStringLiteral("0.5000"));
    price(3, "C", "57", QStringLiteral("9.0000")); // a price, not a pledge
}

MealLine lunch(qint64 person, qint64 item = 57, const char* meal = "L ")
{
    MealLine line;
    line.personId = person;
    line.itemId = item;
    line.mealItem = QStringLiteral("Chicken Soup");
    line.meal = QString::fromLatin1(meal);
    line.quantity = 12;
    line.fundingCode = QStringLiteral("PRI");
    return line;
}

const ClientPledge kPerItem{QStringLiteral("I"), QString(), std::nullopt};

} // namespace

class TestPledges : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void perItemPledges_data() { testdb::addEngineRows(); }
    // Each case twice: looked up for the one line, and from what a run reads once for all its
    // clients (PledgeLookups); the two must agree.
    void perItemPledges()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        db->exec(db->dialect().createTempTableAs(
            kMemDeliveries, QStringLiteral("SELECT 1 AS Person_ID UNION ALL SELECT 2 UNION ALL "
                                           "SELECT 3")));
        for (const bool remembered : {false, true}) {
            PledgeLookups run(*db);
            PledgeLookups* lookups = remembered ? &run : nullptr;
            TimePledges time;
            const auto specific =
                pledgeForMealLine(*db, lunch(1), BillingChoice::MealsAndPledges,
                                  PledgeOption::PerItem, kPerItem, 9, time, lookups);
            QVERIFY(specific);
            QCOMPARE(specific->unitPrice, Money::fromRaw(12500));
            QCOMPARE(specific->quantity, 12);
            QCOMPARE(specific->description, QStringLiteral("Pledge per item: Chicken Soup"));
            QCOMPARE(specific->arItemId, 40);
            QCOMPARE(specific->amount(), Money::fromCents(1500));

            // Another lunch: only the category pledge applies.
            const auto category =
                pledgeForMealLine(*db, lunch(1, 58), BillingChoice::PledgesOnly,
                                  PledgeOption::PerItem, kPerItem, 9, time, lookups);
            QVERIFY(category);
            QCOMPARE(category->unitPrice, Money::fromRaw(7500));
            QCOMPARE(category->arItemId, 41);
            // An item row without an amount gives way to the category row.
            QCOMPARE(remembered ? run.pledgedAmount(lunch(2)) : pledgedAmount(*db, lunch(2)),
                     std::optional<Money>(Money::fromRaw(5000)));
            // No pledge row (a price row is not a pledge), another category, or meals only:
            // nothing.
            QVERIFY(!pledgeForMealLine(*db, lunch(3), BillingChoice::PledgesOnly,
                                       PledgeOption::PerItem, kPerItem, 9, time, lookups));
            QVERIFY(!pledgeForMealLine(*db, lunch(1, 58, "D "), BillingChoice::PledgesOnly,
                                       PledgeOption::PerItem, kPerItem, 9, time, lookups));
            QVERIFY(!pledgeForMealLine(*db, lunch(1), BillingChoice::MealsOnly,
                                       PledgeOption::PerItem, kPerItem, 9, time, lookups));
            // A per-item option for a client who pledges by time: nothing.
            QVERIFY(!pledgeForMealLine(
                *db, lunch(1), BillingChoice::PledgesOnly, PledgeOption::PerItem,
                {QStringLiteral("T"), QStringLiteral("MO"), Money::fromCents(2000)}, 9, time,
                lookups));
        }
    }

    void timePledges_data() { testdb::addEngineRows(); }
    void timePledges()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TimePledges time;
        const ClientPledge monthly{QStringLiteral("T "), QStringLiteral("MO"),
                                   Money::fromCents(2000)};
        const auto month = pledgeForMealLine(*db, lunch(1), BillingChoice::PledgesOnly,
                                             PledgeOption::Monthly, monthly, 9, time);
        QVERIFY(month);
        QCOMPARE(month->quantity, 1);
        QCOMPARE(month->unitPrice, Money::fromCents(2000));
        QCOMPARE(month->description, QStringLiteral("Pledge per Month"));
        // Once per client in the run: not again for the next meal line, nor under a second
        // funding source; another client still gets his.
        MealLine secondFunder = lunch(1, 58);
        secondFunder.fundingCode = QStringLiteral("COUNTYMEALS");
        QVERIFY(!pledgeForMealLine(*db, lunch(1, 58), BillingChoice::PledgesOnly,
                                   PledgeOption::Monthly, monthly, 9, time));
        QVERIFY(!pledgeForMealLine(*db, secondFunder, BillingChoice::MealsAndPledges,
                                   PledgeOption::Monthly, monthly, 9, time));
        QVERIFY(pledgeForMealLine(*db, lunch(2), BillingChoice::PledgesOnly, PledgeOption::Monthly,
                                  monthly, 9, time));

        TimePledges fresh;
        const auto perDay = pledgeForMealLine(
            *db, lunch(1), BillingChoice::PledgesOnly, PledgeOption::PerDay,
            {QStringLiteral("T"), QStringLiteral("DY"), Money::fromCents(200)}, 9, fresh);
        QVERIFY(perDay);
        QCOMPARE(perDay->quantity, 9);
        QCOMPARE(perDay->description, QStringLiteral("Days, at a Pledge per Day"));
        const auto yearly = pledgeForMealLine(
            *db, lunch(2), BillingChoice::PledgesOnly, PledgeOption::Yearly,
            {QStringLiteral("T"), QStringLiteral("YR"), Money::fromCents(24000)}, 9, fresh);
        QVERIFY(yearly);
        QCOMPARE(yearly->description, QStringLiteral("Pledge per Year"));
        QCOMPARE(yearly->quantity, 1);

        // An option that does not match the client's period, or nothing above 0: no line, and
        // the client keeps his chance for the run.
        TimePledges none;
        QVERIFY(!pledgeForMealLine(
            *db, lunch(3), BillingChoice::PledgesOnly, PledgeOption::Monthly,
            {QStringLiteral("T"), QStringLiteral("DY"), Money::fromCents(200)}, 9, none));
        QVERIFY(!pledgeForMealLine(
            *db, lunch(3), BillingChoice::PledgesOnly, PledgeOption::Monthly,
            {QStringLiteral("T"), QStringLiteral("MO"), Money::fromCents(-500)}, 9, none));
        QVERIFY(!pledgeForMealLine(*db, lunch(3), BillingChoice::PledgesOnly, PledgeOption::Monthly,
                                   {QStringLiteral("T"), QStringLiteral("MO"), std::nullopt}, 9,
                                   none));
        QVERIFY(!none.written(3));
    }

    void missingPledgeItemStopsTheRun_data() { testdb::addEngineRows(); }
    void missingPledgeItemStopsTheRun()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TimePledges time;
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            pledgeForMealLine(*db, lunch(1, 99), BillingChoice::PledgesOnly, PledgeOption::Monthly,
                              {QStringLiteral("T"), QStringLiteral("MO"), Money::fromCents(2000)},
                              9, time));
        QVERIFY(!time.written(1));
    }
};

QTEST_GUILESS_MAIN(TestPledges)
#include "test_pledges.moc"

// The charge of a meal line: who is billed under which payer choice, which method and price
// win, time billing, complimentary meals and the line shapes, on both engines.
#include "billing/aritem.h"
#include "billing/billedparty.h"
#include "billing/billingmethod.h"
#include "billing/deliverydays.h"
#include "billing/extractiontables.h"
#include "billing/fundinguses.h"
#include "billing/mealcharge.h"
#include "billingworld.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;
using billingworld::kNone;
using billingworld::World;

namespace
{

const ClientNames kAnn{QStringLiteral("C100"), QStringLiteral("Ann"), QStringLiteral("Smith"),
                       QStringLiteral("U7")};
const QString kSoup = QStringLiteral("Chicken Soup");

// The deliveries of the meal line's client (person 1), as the run reads them for the client.
QList<DeliveredItem> delivered;
ClientDeliveries clientDeliveries;

std::unique_ptr<World> open(const QString& engine)
{
    auto world = std::make_unique<World>(engine);
    delivered.clear();
    world->item(7, kSoup, QStringLiteral("L "), QStringLiteral("4.25"));
    return world;
}

// Deliveries of other clients (another person) never reach the client's deliveries.
void deliver(const QString& code, QDate date, int quantity, bool comp = false, int person = 1,
             int service = 2)
{
    if (person == 1)
        delivered << DeliveredItem{date, code, service, comp, 7, quantity};
}

MealLine soup(const QString& code, qint64 quantity = 3, bool comp = false)
{
    return MealLine{
        1, code, 2, 7, kSoup, QStringLiteral("L "), comp, quantity, Money::fromCents(425)};
}

ChargeChoices choices(PayerChoice payers = PayerChoice::PrivatePayAndFunders)
{
    ChargeChoices c;
    c.payers = payers;
    clientDeliveries = ClientDeliveries(delivered);
    c.deliveries = &clientDeliveries;
    return c;
}

MealCharge charge(Database& db, const MealLine& line, const ChargeChoices& c = choices())
{
    ScriptedDialogs dialogs;
    MealCharge result = chargeMealLine(db, dialogs, line, kAnn, c);
    if (!dialogs.texts().isEmpty())
        throw std::logic_error("unexpected warning: " + dialogs.texts().join('|').toStdString());
    return result;
}

} // namespace

class TestMealCharge : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void whoIsBilledUnderEachPayerChoice_data() { testdb::addEngineRows(); }
    void whoIsBilledUnderEachPayerChoice()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        w->funder(QStringLiteral("PRIV"), kNone, QStringLiteral("C"));
        w->funder(QStringLiteral("AAA"), QStringLiteral("3"), QStringLiteral("C"));
        w->funder(QStringLiteral("NONE"), QStringLiteral("N"), QStringLiteral("C"));
        w->funder(QStringLiteral("CLI"), QStringLiteral("C"), QStringLiteral("C"));
        QCOMPARE(billedPartyOf(*db, QStringLiteral("PRIV")), kPrivatePay);
        QCOMPARE(billedPartyOf(*db, QStringLiteral("AAA ")), kThirdParty);
        QCOMPARE(billedPartyOf(*db, QStringLiteral("UNKNOWN")), kPrivatePay);

        const QList<PayerChoice> all{PayerChoice::PrivatePayOnly, PayerChoice::PrivatePayAndFunders,
                                     PayerChoice::FundersOnly};
        const QHash<QString, QList<bool>> expected{{QStringLiteral("PRIV"), {true, true, false}},
                                                   {QStringLiteral("AAA"), {false, true, true}},
                                                   {QStringLiteral("NONE"), {false, false, false}},
                                                   {QStringLiteral("CLI"), {true, true, true}}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            for (int i = 0; i < 3; ++i) {
                const MealCharge c = charge(*db, soup(it.key()), choices(all[i]));
                QVERIFY2(c.billed == it.value()[i], qPrintable(it.key()));
                QCOMPARE(c.lines.size(), c.billed ? 1 : 0);
            }
        ChargeChoices pledgesOnly = choices();
        pledgesOnly.billing = BillingChoice::PledgesOnly;
        const MealCharge none = charge(*db, soup(QStringLiteral("CLI")), pledgesOnly);
        QVERIFY(!none.billed && none.lines.isEmpty() && none.billedParty.isEmpty());
    }

    void billingMethodClientSpecificFirst_data() { testdb::addEngineRows(); }
    // Each case looked up for the one line and from what a run reads once for all its clients
    // (FundingUses); the two must agree.
    void billingMethodClientSpecificFirst()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        db->exec(db->dialect().createTempTableAs(
            kMemDeliveries, QStringLiteral("SELECT 1 AS Person_ID UNION ALL SELECT 9")));
        const auto method = [db](qint64 person, qint64 service, const QString& fund) {
            const QString single = billingMethodOf(*db, person, service, fund);
            const QString remembered = methodInForce(FundingUses(*db).method(person, service, fund),
                                                     funderBillingMethod(*db, fund));
            return single == remembered ? single : single + QStringLiteral(" but ") + remembered;
        };
        const QString fund = QStringLiteral("AAA");
        w->funder(fund, QStringLiteral("3"), QStringLiteral("T"));
        QCOMPARE(method(1, 2, fund), kByTime);
        w->fundUse(1, fund, kNone, kNone, kNone, 2); // empty: the funder's method still counts
        w->fundUse(9, fund, QStringLiteral("C"), kNone, kNone, 2);
        QCOMPARE(method(1, 2, fund), kByTime);
        w->fundUse(1, fund, QStringLiteral("C"), kNone, kNone, 0);
        QCOMPARE(method(1, 2, fund), kAtCost);
        w->fundUse(1, fund, QStringLiteral("I"), kNone, kNone, 2);
        QCOMPARE(method(1, 2, fund), kByItem);
        QCOMPARE(method(1, 5, fund), kAtCost);
        QCOMPARE(method(1, 2, QStringLiteral("BBB")), kAtCost);
        // A code stored with trailing blanks is the same code; one with leading blanks is not.
        w->fundUse(9, QStringLiteral("CCC  "), QStringLiteral("I "), kNone, kNone, 0);
        w->fundUse(9, QStringLiteral(" DDD"), QStringLiteral("I"), kNone, kNone, 0);
        QCOMPARE(method(9, 4, QStringLiteral("CCC")), kByItem);
        QCOMPARE(method(9, 4, QStringLiteral("DDD")), kAtCost);
    }

    void priceBySpecificity_data() { testdb::addEngineRows(); }
    void priceBySpecificity()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        // Funding codes are whole: a funder whose code starts alike never lends its prices.
        const QString fund = QStringLiteral("MEDICAIDXL");
        w->funder(fund, QStringLiteral("3"), QStringLiteral("I"));
        w->funder(QStringLiteral("MED"), QStringLiteral("3"), QStringLiteral("I"));
        w->price(0, QStringLiteral("MED"), QStringLiteral("7"), QStringLiteral("9.99"),
                 QStringLiteral("F"), 0);
        QCOMPARE(charge(*db, soup(fund)).charge, Money::fromCents(425)); // no row: item cost

        w->price(0, fund, QStringLiteral("L "), QStringLiteral("1.10"), QStringLiteral("F"), 0);
        QCOMPARE(charge(*db, soup(fund)).charge, Money::fromCents(110));
        w->price(0, fund, QStringLiteral("7"), QStringLiteral("1.20"), QStringLiteral("F"), 0);
        QCOMPARE(charge(*db, soup(fund)).charge, Money::fromCents(120));
        w->price(1, fund, QStringLiteral("L"), QStringLiteral("1.30"), QStringLiteral("F"), 0);
        w->price(1, fund, QStringLiteral("L"), QStringLiteral("1.35"), QStringLiteral("F"), 2);
        w->price(1, fund, QStringLiteral("7"), QStringLiteral("0.50"), QStringLiteral("P"), 2);
        QCOMPARE(charge(*db, soup(fund)).charge, Money::fromCents(135));
        w->price(1, fund, QStringLiteral("7 "), kNone, QStringLiteral("F"),
                 2); // empty: the search goes on
        QCOMPARE(charge(*db, soup(fund)).charge, Money::fromCents(135));
        w->price(1, fund, QStringLiteral("7"), QStringLiteral("1.4567"), QStringLiteral("F"), 0);
        const MealCharge best = charge(*db, soup(fund, 2));
        QCOMPARE(best.charge, Money::fromRaw(14567));
        QCOMPARE(best.lines.size(), 1);
        QCOMPARE(best.total(), Money::fromRaw(29134));
        QCOMPARE(best.clientPortion(), Money());
        QVERIFY(best.lines[0].thirdPartyBillable);
        QCOMPARE(best.lines[0].description, QStringLiteral("Chicken Soup; Smith, Ann (U7)"));

        w->price(1, fund, QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("F"),
                 2); // zero ends the search
        const MealCharge zero = charge(*db, soup(fund));
        QCOMPARE(zero.charge, Money());
        QVERIFY(zero.lines.isEmpty());
    }

    void emptyPriceListAndClientPrices_data() { testdb::addEngineRows(); }
    void emptyPriceListAndClientPrices()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        w->funder(QStringLiteral("PRIV"), QStringLiteral("P"), QStringLiteral("I"));
        w->price(0, QStringLiteral("PRIV"), QStringLiteral("L"), kNone, QStringLiteral("F"), 0);
        const MealCharge empty = charge(*db, soup(QStringLiteral("PRIV")));
        QCOMPARE(empty.charge, Money());
        QVERIFY(empty.lines.isEmpty());

        // Client billing: the client's own prices (never the funder's general list), then cost.
        w->funder(QStringLiteral("CLI"), QStringLiteral("C"), QStringLiteral("I"));
        w->price(0, QStringLiteral("CLI"), QStringLiteral("7"), QStringLiteral("2.00"),
                 QStringLiteral("F"), 0);
        w->price(1, QStringLiteral("CLI"), QStringLiteral("L"), kNone, QStringLiteral("F"), 0);
        const MealCharge cost = charge(*db, soup(QStringLiteral("CLI")));
        QCOMPARE(cost.charge, Money::fromCents(425));
        QCOMPARE(cost.lines[0].description, QString());
        QCOMPARE(cost.clientPortion(), Money::fromCents(1275));
        w->price(1, QStringLiteral("CLI"), QStringLiteral("L"), QStringLiteral("3.00"),
                 QStringLiteral("F"), 0);
        QCOMPARE(charge(*db, soup(QStringLiteral("CLI"))).charge, Money::fromCents(300));
    }

    void timeBillingWritesOneLine_data() { testdb::addEngineRows(); }
    void timeBillingWritesOneLine()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        const QString fund = QStringLiteral("AAA");
        w->funder(fund, QStringLiteral("3 "), QStringLiteral("T "), QStringLiteral("40"),
                  QStringLiteral("M"));
        const QDate d(2026, 11, 2);
        deliver(fund, d, 2);
        deliver(fund, d, 1);
        deliver(fund, d.addDays(1), 1, true);
        deliver(QStringLiteral("OTHER"), d.addDays(2), 1);
        deliver(fund, d.addDays(3), 1, false, 99);
        ChargeChoices perDate = choices();
        perDate.funderLinesPerDate = true;
        const MealCharge c = charge(*db, soup(fund), perDate);
        QVERIFY(c.coversWholePair);
        QCOMPARE(c.lines.size(), 1);
        QCOMPARE(c.lines[0].quantity, 3);
        QCOMPARE(c.lines[0].unitPrice, Money::fromCents(4000));
        QCOMPARE(c.lines[0].description, QStringLiteral("Deliveries, by Month to Smith, Ann (U7)"));

        // The client's own rate wins; a pair not billed is never taken for time billing.
        w->fundUse(1, fund, QStringLiteral("T"), QStringLiteral("2.5"), QStringLiteral("D"), 0);
        QCOMPARE(charge(*db, soup(fund)).lines[0].unitPrice, Money::fromCents(250));
        QVERIFY(!charge(*db, soup(fund), choices(PayerChoice::PrivatePayOnly)).coversWholePair);
    }

    void timeBillingWarnsOnMissingRateOrPeriod_data() { testdb::addEngineRows(); }
    void timeBillingWarnsOnMissingRateOrPeriod()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        w->funder(QStringLiteral("NORATE"), QStringLiteral("P"), QStringLiteral("T"), kNone,
                  QStringLiteral("M"));
        w->funder(QStringLiteral("NOPER"), QStringLiteral("P"), QStringLiteral("T"),
                  QStringLiteral("30"), kNone);
        const QString amount =
            QStringLiteral("A billing amount for the period was not specified for Ann Smith");
        const QString period = QStringLiteral("A billing period was not specified for Ann Smith");
        ScriptedDialogs dialogs;
        MealCharge c =
            chargeMealLine(*db, dialogs, soup(QStringLiteral("NORATE")), kAnn, choices());
        QVERIFY(c.lines.isEmpty() && c.coversWholePair);
        QCOMPARE(dialogs.texts(), QStringList{amount});
        QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Warning);
        ScriptedDialogs again;
        c = chargeMealLine(*db, again, soup(QStringLiteral("NOPER")), kAnn, choices());
        QVERIFY(c.lines.isEmpty());
        QCOMPARE(again.texts(), (QStringList{period, amount}));
    }

    void complimentaryAndPerDateLines_data() { testdb::addEngineRows(); }
    void complimentaryAndPerDateLines()
    {
        QFETCH(QString, engine);
        auto w = open(engine);
        Database* db = &w->db();
        w->funder(QStringLiteral("AAA"), QStringLiteral("3"), QStringLiteral("C"));
        w->funder(QStringLiteral("CLI"), QStringLiteral("C"), QStringLiteral("I"));
        w->price(1, QStringLiteral("CLI"), QStringLiteral("7"), QStringLiteral("0"),
                 QStringLiteral("F"), 0);
        const QDate mon(2026, 11, 2);
        for (const QString& fund : {QStringLiteral("AAA"), QStringLiteral("CLI")}) {
            deliver(fund, mon, 1);
            deliver(fund, mon, 1);
            deliver(fund, mon.addDays(1), 1, true);
            deliver(fund, mon.addDays(2), 1, false, 1, 3); // another service
        }
        // A complimentary summary line is written at 0 even where the charge is 0.
        const MealCharge comp = charge(*db, soup(QStringLiteral("CLI"), 1, true));
        QCOMPARE(comp.lines.size(), 1);
        QCOMPARE(comp.lines[0].unitPrice, Money());
        QCOMPARE(comp.lines[0].description, QStringLiteral("Comp: "));
        QCOMPARE(charge(*db, soup(QStringLiteral("AAA"), 1, true)).lines[0].description,
                 QStringLiteral("Comp: Chicken Soup; Smith, Ann (U7)"));

        ChargeChoices perDate = choices();
        perDate.clientLinesPerDate = true;
        perDate.funderLinesPerDate = true;
        const MealCharge charged = charge(*db, soup(QStringLiteral("AAA"), 2), perDate);
        QCOMPARE(charged.lines.size(), 1);
        QCOMPARE(charged.lines[0].quantity, 2);
        QCOMPARE(charged.lines[0].deliveryDate, mon);
        QCOMPARE(charged.lines[0].description,
                 QStringLiteral("Chicken Soup; Smith,Ann (U7); Mon 11/2/26"));
        QCOMPARE(charged.total(), Money::fromCents(850));
        const MealCharge free = charge(*db, soup(QStringLiteral("AAA"), 1, true), perDate);
        QCOMPARE(free.lines.size(), 1);
        QCOMPARE(free.lines[0].description,
                 QStringLiteral("Cmp:Chicken Soup; Smith,Ann (U7); Tue 11/3/26"));
        const MealCharge client = charge(*db, soup(QStringLiteral("CLI"), 1, true), perDate);
        QCOMPARE(client.lines[0].description, QStringLiteral("Comp: Chicken Soup(s), Tue 11/3/26"));

        QVERIFY(arItemIdOf(*db, 7) == std::nullopt);
        records::insert(
            *db, ar::item(),
            {{QStringLiteral("ItemID"), 41}, {QStringLiteral("ItemNo"), QStringLiteral("7")}});
        QCOMPARE(arItemIdOf(*db, 7).value_or(0), 41);
    }
};

QTEST_GUILESS_MAIN(TestMealCharge)
#include "test_mealcharge.moc"

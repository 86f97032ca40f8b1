// The meal credits a generation run bills to no one, on both engines: one planted for every
// reason, none for a credit that reached an invoice line, quantities that add up per pair, and
// the list kept for the user after a run or a preview.
#include "billing/unbilledstore.h"
#include "billingworld.h"
#include "data/hosttables.h"
#include "engine/recordwriter.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;
using namespace billingworld;

namespace
{

const QDate kJune3(2024, 6, 3);
const QDate kJune4(2024, 6, 4);
const QDate kJune5(2024, 6, 5);

// Ann's meals under GOOD reach the invoice (one of them complimentary); every other funding
// source, item or setting leaves one credit unbilled for its own reason.
void plantedProgram(World& w)
{
    w.item(10, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("4.00"));
    w.item(11, QStringLiteral("Stew"), QStringLiteral("D "), QStringLiteral("0.00"));
    w.item(12, QStringLiteral("Salad"), QStringLiteral("L "), kNone);
    w.item(13, QStringLiteral("Pie"), QStringLiteral("S "), QStringLiteral("3.00"));
    w.item(99, QStringLiteral("Cake"), QStringLiteral("O "), QStringLiteral("2.00"));
    w.funder(QStringLiteral("GOOD"), QStringLiteral("3"), QStringLiteral("I"));
    w.price(0, QStringLiteral("GOOD"), QStringLiteral("10"), QStringLiteral("6.00"));
    w.funder(QStringLiteral("NB"), QStringLiteral("N"), QStringLiteral("I"));
    w.funder(QStringLiteral("PRIV"), QStringLiteral("P"), QStringLiteral("C"));
    w.funder(QStringLiteral("NP"), QStringLiteral("3"), QStringLiteral("I"));
    // A 0 for the pie ends the search before the category's 2.00.
    w.funder(QStringLiteral("ZP"), QStringLiteral("3"), QStringLiteral("I"));
    w.price(0, QStringLiteral("ZP"), QStringLiteral("13"), QStringLiteral("0.00"));
    w.price(0, QStringLiteral("ZP"), QStringLiteral("S "), QStringLiteral("2.00"));
    w.funder(QStringLiteral("CST"), QStringLiteral("3"), QStringLiteral("C"));
    w.funder(QStringLiteral("TR"), QStringLiteral("3"), QStringLiteral("T"));
    w.funder(QStringLiteral("TP"), QStringLiteral("3"), QStringLiteral("T"),
             QStringLiteral("5.00"));
    w.client(1, QStringLiteral("C1"), QStringLiteral("Ann"), QStringLiteral("Smith"));
    w.client(2, QStringLiteral("C2"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    w.client(3, QStringLiteral("C3"), QStringLiteral("Cy"), QStringLiteral("Young"));
    w.client(4, QStringLiteral("C4"), QStringLiteral("Di"), QStringLiteral("Ross"));
    w.client(5, QStringLiteral("C5"), QStringLiteral("Ed"), QStringLiteral("Wood"));

    w.deliver(1, kJune3, QStringLiteral("GOOD"), 10, 2);
    w.deliver(1, kJune4, QStringLiteral("GOOD"), 10, 1, true);
    w.deliver(1, kJune4, QStringLiteral("GOOD"), 99);         // outside the filter
    w.deliver(1, kJune5, QStringLiteral("GOOD"), 77);         // no such host item
    w.deliver(2, kJune3, QStringLiteral("NB"), 10);           // No Billing
    w.deliver(2, kJune4, QStringLiteral("PRIV"), 10, 2);      // private pay, left out
    w.deliver(3, kJune3, QStringLiteral("NP"), 12);           // no price, no cost
    w.deliver(3, kJune3, QStringLiteral("ZP"), 13);           // a 0 ended the search
    w.deliver(3, kJune3, QStringLiteral("CST"), 11);          // at cost, cost 0
    w.deliver(3, kJune4, QStringLiteral("CST"), 11, 1, true); // billed at 0 on a "Comp" line
    w.deliver(4, kJune3, QStringLiteral("TR"), 10);           // time without a rate
    w.deliver(5, kJune3, QStringLiteral("TP"), 10);           // a rate without a period
    w.setCompany(QStringLiteral("ClientInvoiceLineItems"), QStringLiteral("S"));
    w.setCompany(QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("S"));
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), QStringLiteral("S"));
    w.synchronize();
}

GenerationSettings fundersOnlyWithoutCake()
{
    GenerationSettings s = juneSettings();
    s.billing = BillingChoice::MealsOnly;
    s.payers = PayerChoice::FundersOnly;
    s.filter = {ItemFilterMode::Exclude, {99}};
    return s;
}

// "person|item|date|funding|quantity|REASON|funder|would have billed"
QString summary(const UnbilledDelivery& d)
{
    return QStringList{QString::number(d.personId),
                       QString::number(d.itemId),
                       d.deliveryDate.toString(Qt::ISODate),
                       d.fundingCode,
                       QString::number(d.quantity),
                       unbilledReasonCode(d.reason),
                       d.funderName,
                       d.wouldHaveBilled ? d.wouldHaveBilled->toPlainString() : QString()}
        .join(QLatin1Char('|'));
}

QStringList summaries(const QList<UnbilledDelivery>& deliveries)
{
    QStringList all;
    for (const UnbilledDelivery& d : deliveries)
        all << summary(d);
    all.sort();
    return all;
}

// The quantities of a pair's meal credits in the period, and of its meals on invoice lines (the
// client's invoice, or the funder's made for the client; pledge items left out).
qint64 creditQuantity(Database& db, int person, const QString& code)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT SUM(MealCrdt.Quantity) FROM Deliveri JOIN MealCrdt ON "
                       "MealCrdt.Deliv_ID = Deliveri.Deliv_ID WHERE Deliveri.Person_ID = :person "
                       "AND Deliveri.Funding_Desc = :code"));
    s.bind(QStringLiteral("person"), person).bind(QStringLiteral("code"), code).exec();
    return s.next() ? s.integer(0) : -1;
}

qint64 invoicedQuantity(Database& db, const QString& clientId, const QString& customerNo)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT SUM(ARInvDet.Quantity) FROM ARInvDet JOIN ARInv ON ARInv.ARInvoiceID = "
        "ARInvDet.ARInvoiceID JOIN Customer ON Customer.CustomerID = ARInv.CustomerID JOIN Item "
        "ON Item.ItemID = ARInvDet.ItemID WHERE ARInv.Recip_ID = :client AND Customer.CustomerNo "
        "= :customer AND Item.ItemNo NOT LIKE 'P%'"));
    s.bind(QStringLiteral("client"), clientId).bind(QStringLiteral("customer"), customerNo).exec();
    return s.next() ? s.integer(0) : 0;
}

} // namespace

class TestUnbilledRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listingChangesNothingTheRunWrites_data() { testdb::addEngineRows(); }
    void listingChangesNothingTheRunWrites();
    void everyReasonOnce_data() { testdb::addEngineRows(); }
    void everyReasonOnce();
    void pledgesOnlyBillsNoMeal_data() { testdb::addEngineRows(); }
    void pledgesOnlyBillsNoMeal();
    void everyPriceInPlaceLeavesNothing_data() { testdb::addEngineRows(); }
    void everyPriceInPlaceLeavesNothing();
    void quantitiesAddUpPerPair_data() { testdb::addEngineRows(); }
    void quantitiesAddUpPerPair();
    void filterWithConsolidatedDeliveries_data() { testdb::addEngineRows(); }
    void filterWithConsolidatedDeliveries();
    void previewKeepsOnlyItsExceptions_data() { testdb::addEngineRows(); }
    void previewKeepsOnlyItsExceptions();
    void listNotKeptIsOnlyAWarning_data() { testdb::addEngineRows(); }
    void listNotKeptIsOnlyAWarning();
    void noFunderInvoiceWithoutAMethod_data() { testdb::addEngineRows(); }
    void noFunderInvoiceWithoutAMethod();
};

// The same run over two copies of the program, one listing its unbilled meals and one not:
// under every payer choice the invoices, their lines, the history and the messages are the same.
void TestUnbilledRun::listingChangesNothingTheRunWrites()
{
    QFETCH(QString, engine);
    for (PayerChoice payers : {PayerChoice::PrivatePayOnly, PayerChoice::PrivatePayAndFunders,
                               PayerChoice::FundersOnly}) {
        QStringList written[2];
        for (bool listing : {false, true}) {
            World w(engine);
            plantedProgram(w);
            GenerationSettings settings = juneSettings();
            settings.payers = payers;
            ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
            NoProgress progress;
            GenerationRun run(w.db(), dialogs, progress, settings, {}, FormatSettings::us());
            run.setCollectUnbilled(listing);
            const GenerationResult result = run.run();
            QCOMPARE(result.outcome, RunOutcome::Completed);
            QCOMPARE(result.unbilled.isEmpty(), !listing);
            QStringList& rows = written[listing ? 1 : 0];
            rows << w.invoices() << w.history() << dialogs.texts();
            for (const char* customer : {"GOOD", "ZP", "CST", "C1", "C2", "C3"})
                rows << w.lines(QString::fromLatin1(customer));
        }
        QVERIFY(!written[0].isEmpty());
        QCOMPARE(written[1], written[0]);
    }
}

void TestUnbilledRun::everyReasonOnce()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(fundersOnlyWithoutCake(), &dialogs);
    QCOMPARE(result.outcome, RunOutcome::Completed);

    // Ann's two soups and her complimentary one reached GOOD's invoice and are not listed.
    QCOMPARE(
        summaries(result.unbilled),
        QStringList({"1|77|2024-06-05|GOOD|1|NO_AR_ITEM||", "1|99|2024-06-04|GOOD|1|FILTER||",
                     "2|10|2024-06-03|NB|1|NO_BILLING||", "2|10|2024-06-04|PRIV|2|PAYER||8.0000",
                     "3|11|2024-06-03|CST|1|ZERO_COST|CST program|",
                     "3|12|2024-06-03|NP|1|NO_PRICE|NP program|",
                     "3|13|2024-06-03|ZP|1|ZERO_PRICE|ZP program|",
                     "4|10|2024-06-03|TR|1|NO_RATE|TR program|",
                     "5|10|2024-06-03|TP|1|NO_PERIOD|TP program|"}));
    QCOMPARE(
        w.lines(QStringLiteral("GOOD")),
        QStringList({"1|2|10|6.0000|Soup; Smith, Ann", "2|1|10|0.0000|Comp: Soup; Smith, Ann"}));

    // Every credit names its client and says what to fix.
    for (const UnbilledDelivery& d : result.unbilled) {
        QVERIFY2(!d.detail.isEmpty(), qPrintable(summary(d)));
        QVERIFY(!d.clientId.isEmpty());
        QVERIFY(!d.clientName.isEmpty());
    }
    auto detailOf = [&](UnbilledReason reason) {
        for (const UnbilledDelivery& d : result.unbilled)
            if (d.reason == reason)
                return d.detail;
        return QString();
    };
    QVERIFY(detailOf(UnbilledReason::ZeroPriceEnded)
                .contains(QStringLiteral("the funding source's general price for the item")));
    QVERIFY(detailOf(UnbilledReason::LeftOutByPayers)
                .contains(QStringLiteral("\"Third-Party Funders Only\"")));
    QVERIFY(detailOf(UnbilledReason::NoTimePeriod).contains(QStringLiteral("5.0000")));
    QVERIFY(detailOf(UnbilledReason::ExcludedByFilter).contains(QStringLiteral("Cake")));
    QCOMPARE(result.unbilled.first().clientName, QStringLiteral("Smith, Ann"));

    // The run's own messages are those of a run without the list: the two time warnings.
    QCOMPARE(dialogs.texts().mid(2),
             QStringList({"A billing amount for the period was not specified for Di Ross",
                          "A billing period was not specified for Ed Wood",
                          "A billing amount for the period was not specified for Ed Wood",
                          "Completed generating one invoice."}));
}

void TestUnbilledRun::pledgesOnlyBillsNoMeal()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    // Ann's complimentary soup too: no meal line is made, so no "Comp" line either.
    GenerationSettings settings = juneSettings();
    settings.billing = BillingChoice::PledgesOnly;
    const GenerationResult result = w.generate(settings);
    QCOMPARE(result.outcome, RunOutcome::Completed);
    QStringList reasons;
    qint64 quantity = 0;
    for (const UnbilledDelivery& d : result.unbilled) {
        reasons << unbilledReasonCode(d.reason);
        quantity += d.quantity;
    }
    QCOMPARE(reasons.count(QStringLiteral("PLEDGES_ONLY")), qsizetype(11));
    QCOMPARE(reasons.count(QStringLiteral("NO_AR_ITEM")), qsizetype(1));
    QCOMPARE(reasons.size(), qsizetype(12));
    QCOMPARE(quantity, qint64(14));
}

void TestUnbilledRun::everyPriceInPlaceLeavesNothing()
{
    QFETCH(QString, engine);
    World w(engine);
    w.item(10, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("4.00"));
    w.item(11, QStringLiteral("Stew"), QStringLiteral("D "), QStringLiteral("5.00"));
    w.funder(QStringLiteral("MOW"), QStringLiteral("3"), QStringLiteral("I"));
    w.price(0, QStringLiteral("MOW"), QStringLiteral("L "), QStringLiteral("6.00"));
    w.price(2, QStringLiteral("MOW"), QStringLiteral("11"), QStringLiteral("7.00"));
    w.funder(QStringLiteral("PRIV"), QStringLiteral("P"), QStringLiteral("C"));
    w.funder(QStringLiteral("DAY"), QStringLiteral("3"), QStringLiteral("T"),
             QStringLiteral("9.00"), QStringLiteral("D"));
    w.client(1, QStringLiteral("C1"), QStringLiteral("Ann"), QStringLiteral("Smith"), {},
             QStringLiteral("I"));
    w.price(1, QStringLiteral("MOW"), QStringLiteral("10"), QStringLiteral("1.50"),
            QStringLiteral("P"));
    w.client(2, QStringLiteral("C2"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    w.deliver(1, kJune3, QStringLiteral("MOW"), 10, 2);
    w.deliver(1, kJune4, QStringLiteral("MOW"), 10, 1, true);
    w.deliver(2, kJune3, QStringLiteral("MOW"), 11);
    w.deliver(2, kJune3, QStringLiteral("PRIV"), 11, 3);
    w.deliver(2, kJune4, QStringLiteral("DAY"), 10);
    w.deliver(2, kJune5, QStringLiteral("DAY"), 11, 2);
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), QStringLiteral("O"));
    w.setCompany(QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("D"));
    w.synchronize();

    const GenerationResult result = w.generate(juneSettings());
    QCOMPARE(result.outcome, RunOutcome::Completed);
    QVERIFY(result.invoiceCount() >= 3);
    QVERIFY2(result.unbilled.isEmpty(), qPrintable(summaries(result.unbilled).join('\n')));
    const std::optional<UnbilledRun> kept = lastUnbilledRun(w.db(), QStringLiteral("MARGE"));
    QVERIFY(kept);
    QVERIFY(kept->deliveries.isEmpty());
    QVERIFY(!kept->preview);
}

void TestUnbilledRun::quantitiesAddUpPerPair()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    // Billed and unbilled meals in the same pairs, funder lines one per delivery date.
    w.deliver(3, kJune4, QStringLiteral("ZP"), 10, 3);
    w.deliver(3, kJune5, QStringLiteral("ZP"), 10, 1, true);
    w.deliver(3, kJune4, QStringLiteral("CST"), 10, 2);
    w.deliver(2, kJune5, QStringLiteral("PRIV"), 13, 4);
    w.deliver(1, kJune5, QStringLiteral("NB"), 10); // Ann's second pair
    w.setCompany(QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("D"));
    GenerationSettings settings = juneSettings();
    settings.billing = BillingChoice::MealsOnly;
    settings.filter = {ItemFilterMode::Exclude, {99}};
    const GenerationResult result = w.generate(settings);
    QCOMPARE(result.outcome, RunOutcome::Completed);

    struct Pair {
        int person;
        QString clientId;
        QString code;
        QString customerNo; // who the pair's meals are invoiced to
    };
    const QList<Pair> pairs = {{1, "C1", "GOOD", "GOOD"},
                               {2, "C2", "PRIV", "C2"},
                               {3, "C3", "NP", "NP"},
                               {3, "C3", "ZP", "ZP"},
                               {3, "C3", "CST", "CST"}};
    qint64 invoicedMeals = 0;
    for (const Pair& p : pairs) {
        qint64 unbilled = 0;
        for (const UnbilledDelivery& d : result.unbilled)
            if (d.personId == p.person && d.fundingCode == p.code)
                unbilled += d.quantity;
        const qint64 invoiced = invoicedQuantity(w.db(), p.clientId, p.customerNo);
        invoicedMeals += invoiced;
        QVERIFY2(invoiced + unbilled == creditQuantity(w.db(), p.person, p.code),
                 qPrintable(QStringLiteral("%1/%2: %3 invoiced, %4 unbilled")
                                .arg(p.person)
                                .arg(p.code)
                                .arg(invoiced)
                                .arg(unbilled)));
    }
    // GOOD 3, PRIV 2 + 4 at cost, ZP 3 + 1 complimentary, CST 2 + 1 complimentary.
    QCOMPARE(invoicedMeals, qint64(16));
    // And over the whole run, each credit counted once: on a line or in the list.
    qint64 unbilledMeals = 0;
    for (const UnbilledDelivery& d : result.unbilled)
        unbilledMeals += d.quantity;
    Statement all = w.db().query(QStringLiteral("SELECT SUM(Quantity) FROM MealCrdt"));
    all.exec();
    QVERIFY(all.next());
    QCOMPARE(invoicedMeals + unbilledMeals, all.integer(0));
}

void TestUnbilledRun::filterWithConsolidatedDeliveries()
{
    QFETCH(QString, engine);
    for (bool consolidated : {false, true}) {
        World w(engine);
        records::insert(w.db(), host::config(),
                        {{QStringLiteral("Consolidate_Deliveries"), consolidated}});
        plantedProgram(w);
        // Only the soup: every other item's credits are left out by the filter, the unknown
        // item's too.
        GenerationSettings settings = juneSettings();
        settings.filter = {ItemFilterMode::IncludeOnly, {10}};
        const GenerationResult result = w.generate(settings);
        QCOMPARE(result.outcome, RunOutcome::Completed);
        QStringList excluded;
        for (const UnbilledDelivery& d : result.unbilled)
            if (d.reason == UnbilledReason::ExcludedByFilter)
                excluded << QStringLiteral("%1/%2/%3/%4")
                                .arg(d.clientId)
                                .arg(d.itemId)
                                .arg(d.mealItem, d.clientName);
        excluded.sort();
        QCOMPARE(excluded, QStringList({"C1/77//Smith, Ann", "C1/99/Cake/Smith, Ann",
                                        "C3/11/Stew/Young, Cy", "C3/11/Stew/Young, Cy",
                                        "C3/12/Salad/Young, Cy", "C3/13/Pie/Young, Cy"}));
        for (const UnbilledDelivery& d : result.unbilled)
            QVERIFY2(d.itemId == 10 || d.reason == UnbilledReason::ExcludedByFilter,
                     qPrintable(summary(d)));
    }
}

void TestUnbilledRun::previewKeepsOnlyItsExceptions()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    const QStringList tables = {"ARInv", "ARInvDet", "History", "Customer", "Item"};
    QList<int> before;
    for (const QString& t : tables)
        before << w.count(t);

    const GenerationResult preview = w.generate(fundersOnlyWithoutCake(), nullptr, true);
    QCOMPARE(preview.outcome, RunOutcome::Completed);
    QList<int> after;
    for (const QString& t : tables)
        after << w.count(t);
    QCOMPARE(after, before);
    QCOMPARE(preview.unbilled.size(), qsizetype(9));

    std::optional<UnbilledRun> kept = lastUnbilledRun(w.db(), QStringLiteral("MARGE"));
    QVERIFY(kept);
    QVERIFY(kept->preview);
    QCOMPARE(kept->period.start, kJune.start);
    QCOMPARE(kept->period.end, kJune.end);
    QCOMPARE(kept->deliveries, preview.unbilled);

    // The run after it finds the same and takes the preview's place.
    const GenerationResult run = w.generate(fundersOnlyWithoutCake());
    QCOMPARE(summaries(run.unbilled), summaries(preview.unbilled));
    kept = lastUnbilledRun(w.db(), QStringLiteral("MARGE"));
    QVERIFY(kept);
    QVERIFY(!kept->preview);
    QCOMPARE(kept->deliveries, run.unbilled);
}

void TestUnbilledRun::listNotKeptIsOnlyAWarning()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    // A table of that name that cannot be brought to the list's layout: its one row holds a
    // time that is none.
    w.db().exec(QStringLiteral("CREATE TABLE ARUnbilledRun (RanAt VARCHAR(20))"));
    w.db().exec(QStringLiteral("INSERT INTO ARUnbilledRun (RanAt) VALUES ('not a time')"));
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(fundersOnlyWithoutCake(), &dialogs);

    QCOMPARE(result.outcome, RunOutcome::Completed);
    QCOMPARE(result.unbilled.size(), qsizetype(9));
    QCOMPARE(w.invoices().size(), qsizetype(1));
    const ScriptedDialogs::Shown& last = dialogs.shown().last();
    QVERIFY(last.kind == Dialogs::Kind::Warning);
    QVERIFY2(last.text.startsWith(unbilledNotKeptMessage(QString())), qPrintable(last.text));
    QCOMPARE(dialogs.texts().value(dialogs.texts().size() - 2),
             QStringLiteral("Completed generating one invoice."));
}

// Without a funder invoicing method the third-party lines are made but no funder invoice is
// written: Ann's two soups under GOOD are billed to no one, at the 6.00 they would have cost; her
// complimentary soup is not listed, and the other credits keep their own reasons.
void TestUnbilledRun::noFunderInvoiceWithoutAMethod()
{
    QFETCH(QString, engine);
    World w(engine);
    plantedProgram(w);
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), QString());
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(fundersOnlyWithoutCake(), &dialogs);

    QCOMPARE(result.outcome, RunOutcome::Completed);
    QVERIFY(w.lines(QStringLiteral("GOOD")).isEmpty());
    const QStringList listed = summaries(result.unbilled);
    QVERIFY2(listed.contains(QStringLiteral("1|10|2024-06-03|GOOD|2|NO_FUNDER_INVOICE|GOOD "
                                            "program|12.0000")),
             qPrintable(listed.join(QLatin1Char('\n'))));
    QCOMPARE(listed.filter(QStringLiteral("NO_FUNDER_INVOICE")).size(), 1);
    QCOMPARE(listed.size(), 10); // the nine of everyReasonOnce and this one
    for (const UnbilledDelivery& d : result.unbilled)
        if (d.reason == UnbilledReason::NoFunderInvoice)
            QVERIFY(d.detail.contains(QStringLiteral("Funder Invoicing Method is not set")));
}

QTEST_GUILESS_MAIN(TestUnbilledRun)
#include "test_unbilledrun.moc"

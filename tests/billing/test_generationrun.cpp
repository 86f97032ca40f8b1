// A whole generation run on both engines: which invoices a pair makes under each funder
// invoicing method, their lines and descriptions, the history entries, time pledges once per
// client, the run record, previews and interrupted runs.
#include "billingworld.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;
using namespace billingworld;

namespace
{

const QDate kJune3(2024, 6, 3);
const QDate kJune4(2024, 6, 4);

// Ann (under MOW, a third party billed by item at 6.00) pledges 1.50 a soup; Bob is also under
// MOW; Cy pays privately at cost.
void mealProgram(World& w, const QString& funderInvoicing)
{
    w.item(10, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("4.00"));
    w.item(11, QStringLiteral("Stew"), QStringLiteral("D "), QStringLiteral("5.00"));
    w.funder(QStringLiteral("MOW"), QStringLiteral("3"), QStringLiteral("I"));
    w.funder(QStringLiteral("PRIV"), QStringLiteral("P"), QStringLiteral("C"));
    w.price(0, QStringLiteral("MOW"), QStringLiteral("10"), QStringLiteral("6.00"));
    w.price(0, QStringLiteral("MOW"), QStringLiteral("D "), QStringLiteral("7.00"));
    w.client(1, QStringLiteral("C1"), QStringLiteral("Ann"), QStringLiteral("Smith"),
             QStringLiteral("U1"), QStringLiteral("I"));
    w.price(1, QStringLiteral("MOW"), QStringLiteral("10"), QStringLiteral("1.50"),
            QStringLiteral("P"));
    w.client(2, QStringLiteral("C2"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    w.client(3, QStringLiteral("C3"), QStringLiteral("Cy"), QStringLiteral("Young"));
    w.deliver(1, kJune3, QStringLiteral("MOW"), 10);
    w.deliver(1, kJune4, QStringLiteral("MOW"), 10);
    w.deliver(2, kJune3, QStringLiteral("MOW"), 11, 2);
    w.deliver(3, kJune4, QStringLiteral("PRIV"), 11);
    w.setCompany(QStringLiteral("ClientInvoiceLineItems"), QStringLiteral("S"));
    w.setCompany(QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("S"));
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), funderInvoicing);
    w.synchronize();
}

const QString kAnnMeals = QStringLiteral("1|2|10|6.0000|Soup; Smith, Ann (U1)");
const QString kBobMeals = QStringLiteral("1|2|11|7.0000|Stew; Jones, Bob");
const QString kAnnPledge = QStringLiteral("1|2|P10|1.5000|Pledge per item: Soup");
const QString kPeriod = QStringLiteral("6/1 - 6/30/2024");

// The invoices that have lines, by key, and whether each one's amount is the sum of its lines:
// an invoice is stored whole.
QMap<qint64, bool> invoicesWithLines(Database& db)
{
    Statement s = db.query(
        QStringLiteral("SELECT ARInv.ARInvoiceID, ARInv.InvoiceAmount, SUM(ARInvDet.Quantity * "
                       "ARInvDet.UnitPrice) FROM ARInv JOIN ARInvDet ON ARInvDet.ARInvoiceID = "
                       "ARInv.ARInvoiceID GROUP BY ARInv.ARInvoiceID, ARInv.InvoiceAmount"));
    s.exec();
    QMap<qint64, bool> whole;
    while (s.next())
        whole.insert(s.integer(0), s.value(1).toDouble() == s.value(2).toDouble());
    return whole;
}

} // namespace

class TestGenerationRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void funderInvoicePerClient_data() { testdb::addEngineRows(); }
    void funderInvoicePerClient();
    void funderInvoicePerFunder_data() { testdb::addEngineRows(); }
    void funderInvoicePerFunder();
    void historyOncePerDay_data() { testdb::addEngineRows(); }
    void historyOncePerDay();
    void timePledgeOncePerClient_data() { testdb::addEngineRows(); }
    void timePledgeOncePerClient();
    void noBillingStillPledged_data() { testdb::addEngineRows(); }
    void noBillingStillPledged();
    void runRecordAndEmptyPeriods_data() { testdb::addEngineRows(); }
    void runRecordAndEmptyPeriods();
    void aCodeSpelledTwiceIsOnePair_data() { testdb::addEngineRows(); }
    void aCodeSpelledTwiceIsOnePair();
    void previewLeavesDatabaseAsItWas_data() { testdb::addEngineRows(); }
    void previewLeavesDatabaseAsItWas();
    void warningsReachTheBookkeeper_data() { testdb::addEngineRows(); }
    void warningsReachTheBookkeeper();
    void interruptedRunLeavesWholeInvoices_data() { testdb::addEngineRows(); }
    void interruptedRunLeavesWholeInvoices();
    void refusedWriteKeepsTheInvoicesBeforeIt_data();
    void refusedWriteKeepsTheInvoicesBeforeIt();
};

void TestGenerationRun::funderInvoicePerClient()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(juneSettings(), &dialogs);

    QCOMPARE(result.outcome, RunOutcome::Completed);
    // Ann's pair: the funder's invoice for her meals, then hers for the pledge; Bob's funder
    // invoice; Cy's own.
    QCOMPARE(w.invoices(), QStringList({"MOW|F|6/1-6/30/24, Smith, Ann (U1)|12.0000",
                                        "C1|C|Meals and Pledges, " + kPeriod + "|3.0000",
                                        "MOW|F|6/1-6/30/24, Jones, Bob|14.0000",
                                        "C3|C|Meals and Pledges, " + kPeriod + "|5.0000"}));
    QCOMPARE(w.lines(QStringLiteral("MOW")), QStringList({kAnnMeals, kBobMeals}));
    QCOMPARE(w.lines(QStringLiteral("C1")), QStringList({kAnnPledge}));
    QCOMPARE(w.lines(QStringLiteral("C3")), QStringList({"1|1|11|5.0000|"}));
    QCOMPARE(dialogs.texts().last(), QStringLiteral("Completed generating 4 invoices."));
    QCOMPARE(result.invoiceCount(), 4);

    // The funder invoice for one client names her as the one the meals went to.
    Statement recip = w.db().query(
        QStringLiteral("SELECT Recip_ID FROM ARInv WHERE CustomerType = 'F' ORDER BY ARInvoiceID"));
    recip.exec();
    QVERIFY(recip.next());
    QCOMPARE(recip.text(0), QStringLiteral("C1"));
}

void TestGenerationRun::funderInvoicePerFunder()
{
    QFETCH(QString, engine);
    const QStringList clientInvoices = {"C1|C|Meals and Pledges, " + kPeriod + "|3.0000",
                                        "C3|C|Meals and Pledges, " + kPeriod + "|5.0000"};
    // One invoice per funder after the last pair, with every client's lines in pair order;
    // any other method leaves the funder lines uninvoiced.
    for (const QString& method : {QStringLiteral("O"), QString(), QStringLiteral("X")}) {
        World w(engine);
        mealProgram(w, method);
        ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
        const GenerationResult result = w.generate(juneSettings(), &dialogs);
        QCOMPARE(result.outcome, RunOutcome::Completed);
        if (method == QLatin1String("O")) {
            QCOMPARE(w.invoices(),
                     clientInvoices + QStringList{"MOW|F|Client Meals, " + kPeriod + "|26.0000"});
            QCOMPARE(w.lines(QStringLiteral("MOW")),
                     QStringList({kAnnMeals, "2" + kBobMeals.mid(1)}));
            // Each client's history records the funder's invoice with that client's share.
            QStringList history = w.history();
            history.sort();
            QCOMPARE(history, QStringList({"1|C1|3rd Party (MOW) billed, " + kPeriod + "- $12.00 ",
                                           "1|C1|AR invoice generated, " + kPeriod + "- $3.00 ",
                                           "2|C2|3rd Party (MOW) billed, " + kPeriod + "- $14.00 ",
                                           "3|C3|AR invoice generated, " + kPeriod + "- $5.00 "}));
            QCOMPARE(dialogs.texts().last(), QStringLiteral("Completed generating 3 invoices."));
        } else {
            QCOMPARE(w.invoices(), clientInvoices);
            QCOMPARE(dialogs.texts().last(), QStringLiteral("Completed generating 2 invoices."));
        }
    }
}

void TestGenerationRun::historyOncePerDay()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    w.generate(juneSettings());
    QStringList first = w.history();
    first.sort();
    QCOMPARE(first, QStringList({"1|C1|3rd Party (MOW) billed, " + kPeriod + "- $12.00 ",
                                 "1|C1|AR invoice generated, " + kPeriod + "- $3.00 ",
                                 "2|C2|3rd Party (MOW) billed, " + kPeriod + "- $14.00 ",
                                 "3|C3|AR invoice generated, " + kPeriod + "- $5.00 "}));

    // The same period again the same day: asked as a warning, invoiced again, no entry twice.
    ScriptedDialogs again({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(juneSettings(), &again).invoiceCount(), 4);
    QCOMPARE(again.shown().first().kind, Dialogs::Kind::Warning);
    QVERIFY(again.texts().first().startsWith(
        QStringLiteral("Invoices have been generated at least once \r\nfor 6/1/2024-6/30/2024!")));
    QCOMPARE(w.count(QStringLiteral("ARInv")), 8);
    QCOMPARE(w.history().size(), 4);

    // A different amount is a new entry.
    w.db().exec(QStringLiteral("UPDATE Pricing SET Amount = 2 WHERE Method = 'P'"));
    ScriptedDialogs third({Dialogs::Yes, Dialogs::No});
    w.generate(juneSettings(), &third);
    QCOMPARE(w.history().size(), 5);
    QVERIFY(w.history().contains("1|C1|AR invoice generated, " + kPeriod + "- $4.00 "));

    // Without history nothing is added, the run record apart.
    GenerationSettings quiet = juneSettings();
    quiet.postToHistory = false;
    w.db().exec(QStringLiteral("UPDATE Pricing SET Amount = 3 WHERE Method = 'P'"));
    ScriptedDialogs fourth({Dialogs::Yes, Dialogs::No});
    w.generate(quiet, &fourth);
    QCOMPARE(w.history().size(), 5);
    QCOMPARE(w.count(QStringLiteral("History")), 5 + 4);
}

void TestGenerationRun::timePledgeOncePerClient()
{
    QFETCH(QString, engine);
    struct Case {
        const char* period;
        PledgeOption option;
        const char* amount;
        QString line;
    };
    // Ann is delivered to under two funding sources; her time pledge comes once, on her first.
    const QList<Case> cases = {
        {"MO", PledgeOption::Monthly, "20.00", QStringLiteral("1|1|P10|20.0000|Pledge per Month")},
        {"DY", PledgeOption::PerDay, "2.00",
         QStringLiteral("1|2|P10|2.0000|Days, at a Pledge per Day")},
    };
    for (const Case& c : cases) {
        World w(engine);
        w.item(10, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("4.00"));
        w.funder(QStringLiteral("MOW"), QStringLiteral("3"), QStringLiteral("I"));
        w.funder(QStringLiteral("PRIV"), QStringLiteral("P"), QStringLiteral("C"));
        w.price(0, QStringLiteral("MOW"), QStringLiteral("10"), QStringLiteral("6.00"));
        w.client(1, QStringLiteral("C1"), QStringLiteral("Ann"), QStringLiteral("Smith"), {},
                 QStringLiteral("T"), QLatin1String(c.period), QLatin1String(c.amount));
        w.deliver(1, kJune3, QStringLiteral("MOW"), 10);
        w.deliver(1, kJune4, QStringLiteral("PRIV"), 10);
        w.setCompany(QStringLiteral("ClientInvoiceLineItems"), QStringLiteral("S"));
        w.setCompany(QStringLiteral("FunderInvoicingMethod"), QStringLiteral("S"));
        w.synchronize();
        GenerationSettings settings = juneSettings();
        settings.pledgeOption = c.option;
        w.generate(settings);
        QCOMPARE(w.lines(QStringLiteral("C1")), QStringList({c.line, "1|1|10|4.0000|"}));
    }
}

void TestGenerationRun::noBillingStillPledged()
{
    QFETCH(QString, engine);
    World w(engine);
    w.item(10, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("4.00"));
    w.funder(QStringLiteral("GIFT"), QStringLiteral("N"), QStringLiteral("C"));
    w.client(1, QStringLiteral("C1"), QStringLiteral("Ann"), QStringLiteral("Smith"), {},
             QStringLiteral("I"));
    w.price(1, QStringLiteral("GIFT"), QStringLiteral("L "), QStringLiteral("0.75"),
            QStringLiteral("P"));
    w.deliver(1, kJune3, QStringLiteral("GIFT"), 10, 2);
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), QStringLiteral("S"));
    w.synchronize();
    // The meals are billed to nobody; the client's pledge for them is still asked for.
    w.generate(juneSettings());
    QCOMPARE(w.invoices(), QStringList({"C1|C|Meals and Pledges, " + kPeriod + "|1.5000"}));
    QCOMPARE(w.lines(QStringLiteral("C1")), QStringList({"1|2|P10|0.7500|Pledge per item: Soup"}));
    // With meals only, nothing is due.
    GenerationSettings mealsOnly = juneSettings();
    mealsOnly.billing = BillingChoice::MealsOnly;
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(mealsOnly, &dialogs).invoiceCount(), 0);
}

void TestGenerationRun::runRecordAndEmptyPeriods()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    auto runRecords = [&] {
        Statement s = w.db().query(
            QStringLiteral("SELECT Event FROM History WHERE Person_ID IS NULL ORDER BY Event"));
        s.exec();
        QStringList events;
        while (s.next())
            events << s.text(0);
        return events;
    };

    // No delivery in May: nothing to do, and no record that May was invoiced.
    GenerationSettings may = juneSettings();
    may.period = {QDate(2024, 5, 1), QDate(2024, 5, 31)};
    ScriptedDialogs mayDialogs({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(may, &mayDialogs).outcome, RunOutcome::NoClientRecords);
    QCOMPARE(mayDialogs.texts().last(), kNoClientRecords);
    QVERIFY(runRecords().isEmpty());

    // Only a complimentary meal in July: a line at 0 makes no invoice, but the run is recorded.
    w.deliver(3, QDate(2024, 7, 2), QStringLiteral("PRIV"), 11, 1, true);
    GenerationSettings july = juneSettings();
    july.period = {QDate(2024, 7, 1), QDate(2024, 7, 31)};
    ScriptedDialogs julyDialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(july, &julyDialogs);
    QCOMPARE(result.outcome, RunOutcome::Completed);
    QCOMPARE(julyDialogs.texts().first(), QStringLiteral("Proceed with generating invoices for "
                                                         "7/1/2024-7/31/2024?"));
    QCOMPARE(julyDialogs.texts().last(), QStringLiteral("Completed generating 0 invoices."));
    QCOMPARE(runRecords(), QStringList({"Invoices for 7/1/2024-7/31/2024 generated."}));
    QCOMPARE(w.count(QStringLiteral("ARInv")), 0);

    // Declining the question stops before anything is written; the screen would stay open.
    ScriptedDialogs declined({Dialogs::No});
    const GenerationResult stopped = w.generate(july, &declined);
    QCOMPARE(stopped.outcome, RunOutcome::Stopped);
    QVERIFY(!stopped.closesScreen());
    QCOMPARE(declined.shown().first().kind, Dialogs::Kind::Warning);
    QCOMPARE(runRecords().size(), 1);

    // The item filter leaves out every meal of August: the period still has client records.
    w.deliver(3, QDate(2024, 8, 2), QStringLiteral("PRIV"), 11);
    GenerationSettings august = juneSettings();
    august.period = {QDate(2024, 8, 1), QDate(2024, 8, 31)};
    august.filter = {ItemFilterMode::IncludeOnly, {10}};
    ScriptedDialogs augustDialogs({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(august, &augustDialogs).outcome, RunOutcome::Completed);
    QCOMPARE(augustDialogs.texts().last(), QStringLiteral("Completed generating 0 invoices."));
    QCOMPARE(runRecords().size(), 2);
}

void TestGenerationRun::aCodeSpelledTwiceIsOnePair()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    // Cy's second Stew comes under the same private-pay code with a blank after it.
    w.deliver(3, kJune3, QStringLiteral("PRIV "), 11);
    w.generate(juneSettings());
    QCOMPARE(w.invoices().filter(QStringLiteral("C3|")).size(), 1);
    QCOMPARE(w.lines(QStringLiteral("C3")), QStringList({"1|2|11|5.0000|"}));
}

void TestGenerationRun::previewLeavesDatabaseAsItWas()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("O"));
    auto snapshot = [&] {
        Statement s =
            w.db().query(QStringLiteral("SELECT NextInvoiceID, NextInvoiceNo FROM ARInvCtl"));
        s.exec();
        s.next();
        return QStringList{s.text(0), s.text(1)} +
               QStringList{QString::number(w.count(QStringLiteral("ARInv"))),
                           QString::number(w.count(QStringLiteral("ARInvDet"))),
                           QString::number(w.count(QStringLiteral("History"))),
                           QString::number(w.count(QStringLiteral("Customer")))};
    };
    const QStringList before = snapshot();
    // Even a synchronization accepted during the preview is undone.
    w.db().exec(QStringLiteral("DELETE FROM Customer WHERE CustomerNo = 'C2'"));
    const QStringList withoutBob = snapshot();
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::Yes});
    const GenerationResult preview = w.generate(juneSettings(), &dialogs, true);
    QCOMPARE(preview.outcome, RunOutcome::Completed);
    QCOMPARE(snapshot(), withoutBob);
    QVERIFY(before != withoutBob);

    QCOMPARE(preview.invoiceCount(), 3);
    QCOMPARE(preview.invoices.last().customerNo, QStringLiteral("MOW"));
    QCOMPARE(preview.invoices.last().lineCount, 2);
    QCOMPARE(preview.invoices.last().amount, Money::fromCents(2600));

    // The real run writes what the preview showed, numbers included.
    ScriptedDialogs real({Dialogs::Yes, Dialogs::Yes});
    const GenerationResult written = w.generate(juneSettings(), &real);
    QCOMPARE(written.invoiceCount(), preview.invoiceCount());
    for (int i = 0; i < written.invoiceCount(); ++i) {
        QCOMPARE(written.invoices[i].invoiceNo, preview.invoices[i].invoiceNo);
        QCOMPARE(written.invoices[i].amount, preview.invoices[i].amount);
    }
}

void TestGenerationRun::warningsReachTheBookkeeper()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    // Dee is billed by time without a rate: warned about, and the run goes on to the others.
    w.funder(QStringLiteral("TIME"), QStringLiteral("P"), QStringLiteral("T"));
    w.client(4, QStringLiteral("C4"), QStringLiteral("Dee"), QStringLiteral("Lane"));
    w.deliver(4, kJune3, QStringLiteral("TIME"), 10);
    w.synchronize();
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(juneSettings(), &dialogs).invoiceCount(), 4);
    const QStringList texts = dialogs.texts();
    QCOMPARE(texts.mid(texts.size() - 2),
             QStringList({"A billing amount for the period was not specified for Dee Lane",
                          "Completed generating 4 invoices."}));
    QCOMPARE(dialogs.shown().at(texts.size() - 2).kind, Dialogs::Kind::Warning);
}

void TestGenerationRun::interruptedRunLeavesWholeInvoices()
{
    QFETCH(QString, engine);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    // Cy lost his customer record after the synchronization: his invoice is refused.
    w.db().exec(QStringLiteral("DELETE FROM Customer WHERE CustomerNo = 'C3'"));
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(juneSettings(), &dialogs);

    QCOMPARE(result.outcome, RunOutcome::Failed);
    QVERIFY(result.closesScreen());
    QCOMPARE(dialogs.shown().last().kind, Dialogs::Kind::Error);
    QCOMPARE(dialogs.texts().last(), result.error);
    QVERIFY(result.error.contains(QStringLiteral("Customer")));
    // The three invoices before Cy's stay, each whole; no run record; no work table left.
    QCOMPARE(result.invoiceCount(), 3);
    QCOMPARE(w.count(QStringLiteral("ARInv")), 3);
    const QMap<qint64, bool> withLines = invoicesWithLines(w.db());
    QVERIFY(!withLines.values().contains(false));
    QCOMPARE(withLines.size(), 3);
    QCOMPARE(w.count(QStringLiteral("ARInvDet")), 3);
    QCOMPARE(w.count(QStringLiteral("History")), 3);
    QVERIFY(!w.db().dialect().tableExists(w.db(), QStringLiteral("MemDeliveries")));
}

// The invoices of a run are written together when their batch commits. Here the engine refuses
// one (the first or the third): another workstation stored an invoice under the key it draws.
// Those before it stay whole, nothing of it or of those after it is written, and its key is
// given back.
void TestGenerationRun::refusedWriteKeepsTheInvoicesBeforeIt_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<int>("taken");
    QTest::newRow("sqlite, first") << QStringLiteral("sqlite") << 0;
    QTest::newRow("sqlite, third") << QStringLiteral("sqlite") << 2;
    if (testdb::postgresAvailable()) {
        QTest::newRow("postgres, first") << QStringLiteral("postgres") << 0;
        QTest::newRow("postgres, third") << QStringLiteral("postgres") << 2;
    }
}

void TestGenerationRun::refusedWriteKeepsTheInvoicesBeforeIt()
{
    QFETCH(QString, engine);
    QFETCH(int, taken);
    World w(engine);
    mealProgram(w, QStringLiteral("S"));
    Statement counter = w.db().query(QStringLiteral("SELECT NextInvoiceID FROM ARInvCtl"));
    counter.exec();
    const qint64 first = counter.next() ? counter.integer(0) : 0;
    counter.finish();
    w.db().exec(QStringLiteral("INSERT INTO ARInv (ARInvoiceID, InvoiceNo) VALUES (%1, 'X1')")
                    .arg(first + taken));

    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    const GenerationResult result = w.generate(juneSettings(), &dialogs);

    QCOMPARE(result.outcome, RunOutcome::Failed);
    QCOMPARE(result.error, QStringLiteral("Invoice no. already exists"));
    QCOMPARE(dialogs.texts().last(), result.error);
    QCOMPARE(result.invoiceCount(), taken);
    QCOMPARE(w.count(QStringLiteral("ARInv")), taken + 1);
    const QMap<qint64, bool> withLines = invoicesWithLines(w.db());
    QVERIFY(!withLines.values().contains(false));
    QList<qint64> keptKeys;
    for (int i = 0; i < taken; ++i)
        keptKeys << first + i;
    QCOMPARE(withLines.keys(), keptKeys);
    QCOMPARE(w.count(QStringLiteral("History")), taken);
    Statement after = w.db().query(QStringLiteral("SELECT NextInvoiceID FROM ARInvCtl"));
    after.exec();
    QVERIFY(after.next());
    QCOMPARE(after.integer(0), first + taken);
}

QTEST_MAIN(TestGenerationRun)
#include "test_generationrun.moc"

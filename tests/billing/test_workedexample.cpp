// The worked example of docs/worked-example.md, run on both engines: the same small meal
// program, exactly the invoices, lines and history entries the document lists, and the
// balances posting them gives.
#include "billingworld.h"
#include "receivables/bookcheck/bookcheck.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;
using namespace billingworld;

namespace
{

QDate june(int day)
{
    return QDate(2024, 6, day);
}

void buildExample(World& w)
{
    w.item(101, QStringLiteral("Hot Lunch"), QStringLiteral("L "), QStringLiteral("6.50"));
    w.item(102, QStringLiteral("Frozen Dinner"), QStringLiteral("D "), QStringLiteral("5.00"));
    w.item(103, QStringLiteral("Breakfast Box"), QStringLiteral("B "), QStringLiteral("3.25"));

    const QString county = QStringLiteral("COUNTY");
    const QString self = QStringLiteral("SELF");
    w.funder(county, QStringLiteral("3"), QStringLiteral("I"));
    w.funder(self, QStringLiteral("P"), QStringLiteral("C"));
    w.price(0, county, QStringLiteral("101"), QStringLiteral("7.00"));
    w.price(0, county, QStringLiteral("D "), QStringLiteral("5.50"));
    w.price(2, county, QStringLiteral("101"), QStringLiteral("6.75"));

    w.client(1, QStringLiteral("C1001"), QStringLiteral("Ada"), QStringLiteral("Lovelace"),
             QStringLiteral("A-17"), QStringLiteral("I"));
    w.price(1, county, QStringLiteral("101"), QStringLiteral("1.00"), QStringLiteral("P"));
    w.price(1, county, QStringLiteral("D "), QStringLiteral("0.50"), QStringLiteral("P"));
    w.client(2, QStringLiteral("C1002"), QStringLiteral("Rosa"), QStringLiteral("Parks"));
    w.client(3, QStringLiteral("C1003"), QStringLiteral("Sam"), QStringLiteral("Cole"));
    w.fundUse(3, county, QStringLiteral("T"), QStringLiteral("80.00"), QStringLiteral("M"));
    w.client(4, QStringLiteral("C1004"), QStringLiteral("Tom"), QStringLiteral("Hale"));

    for (int day : {3, 4, 5})
        w.deliver(1, june(day), county, 101);
    w.deliver(1, june(5), county, 102, 2);
    w.deliver(1, june(7), county, 101, 1, true);
    w.deliver(2, june(3), county, 101);
    w.deliver(2, june(4), county, 101);
    w.deliver(3, june(3), county, 102);
    w.deliver(3, june(10), county, 103);
    for (int day : {3, 4, 5, 6})
        w.deliver(4, june(day), self, 103);
    w.deliver(4, june(6), self, 102);

    w.setCompany(QStringLiteral("ClientInvoiceLineItems"), QStringLiteral("D"));
    w.setCompany(QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("S"));
    w.setCompany(QStringLiteral("FunderInvoicingMethod"), QStringLiteral("O"));
    w.synchronize();
}

} // namespace

class TestWorkedExample : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void invoicesAsDocumented_data() { testdb::addEngineRows(); }
    void invoicesAsDocumented();
    void postingAsDocumented_data() { testdb::addEngineRows(); }
    void postingAsDocumented();
};

void TestWorkedExample::invoicesAsDocumented()
{
    QFETCH(QString, engine);
    World w(engine);
    buildExample(w);
    GenerationSettings settings = juneSettings(); // meals and pledges, per-item, every payer
    ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(settings, &dialogs).outcome, RunOutcome::Completed);
    QCOMPARE(dialogs.texts().last(), QStringLiteral("Completed generating 3 invoices."));

    QCOMPARE(w.invoices(), QStringList({"C1001|C|Meals and Pledges, 6/1 - 6/30/2024|5.0000",
                                        "C1004|C|Meals and Pledges, 6/1 - 6/30/2024|18.0000",
                                        "COUNTY|F|Client Meals, 6/1 - 6/30/2024|205.5000"}));
    QCOMPARE(w.lines(QStringLiteral("C1001")),
             QStringList({"1|3|P101|1.0000|Pledge per item: Hot Lunch",
                          "2|2|P102|0.5000|Pledge per item: Frozen Dinner",
                          "3|1|P101|1.0000|Pledge per item: Hot Lunch"}));
    QCOMPARE(w.lines(QStringLiteral("C1004")),
             QStringList({"1|1|102|5.0000|Frozen Dinner(s), Thu 6/6/24",
                          "2|1|103|3.2500|Breakfast Box(s), Mon 6/3/24",
                          "3|1|103|3.2500|Breakfast Box(s), Tue 6/4/24",
                          "4|1|103|3.2500|Breakfast Box(s), Wed 6/5/24",
                          "5|1|103|3.2500|Breakfast Box(s), Thu 6/6/24"}));
    QCOMPARE(w.lines(QStringLiteral("COUNTY")),
             QStringList({"1|3|101|7.0000|Hot Lunch; Lovelace, Ada (A-17)",
                          "2|2|102|5.5000|Frozen Dinner; Lovelace, Ada (A-17)",
                          "3|1|101|0.0000|Comp: Hot Lunch; Lovelace, Ada (A-17)",
                          "4|2|101|6.7500|Hot Lunch; Parks, Rosa",
                          "5|2|102|80.0000|Deliveries, by Month to Cole, Sam"}));

    QStringList history = w.history();
    history.sort();
    QCOMPARE(history, QStringList({"1|C1001|3rd Party (COUNTY) billed, 6/1 - 6/30/2024- $32.00 ",
                                   "1|C1001|AR invoice generated, 6/1 - 6/30/2024- $5.00 ",
                                   "2|C1002|3rd Party (COUNTY) billed, 6/1 - 6/30/2024- $13.50 ",
                                   "3|C1003|3rd Party (COUNTY) billed, 6/1 - 6/30/2024- $160.00 ",
                                   "4|C1004|AR invoice generated, 6/1 - 6/30/2024- $18.00 "}));
}

void TestWorkedExample::postingAsDocumented()
{
    QFETCH(QString, engine);
    World w(engine);
    buildExample(w);
    ScriptedDialogs answers({Dialogs::Yes, Dialogs::No});
    QCOMPARE(w.generate(juneSettings(), &answers).outcome, RunOutcome::Completed);
    // Ada's and the county's invoices are printed; Tom's is not yet.
    w.db().exec(
        QStringLiteral("UPDATE ARInv SET Printed = true WHERE CustomerID IN (SELECT "
                       "CustomerID FROM Customer WHERE CustomerNo IN ('C1001', 'COUNTY'))"));

    ScriptedDialogs dialogs;
    NoProgress progress;
    const InvoicePostingResult result = InvoicePostingRun(w.db(), dialogs, progress).run();
    QCOMPARE(result.outcome, InvoicePostingOutcome::Posted);
    QCOMPARE(result.posted, 2);
    QCOMPARE(result.amount, Money::fromCents(21050));

    const auto balance = [&w](const char* customerNo) {
        return testdb::scalar(w.db(), QStringLiteral("SELECT B.Balance FROM CBalance B JOIN "
                                                     "Customer C ON C.CustomerID = B.CustomerID "
                                                     "WHERE C.CustomerNo = '%1'")
                                          .arg(QLatin1String(customerNo)));
    };
    QCOMPARE(balance("C1001"), Money::fromCents(500).raw());
    QCOMPARE(balance("COUNTY"), Money::fromCents(20550).raw());
    QCOMPARE(balance("C1004"), -1); // no balance row: nothing of Tom's is posted
    QCOMPARE(testdb::scalar(w.db(), QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = "
                                                   "true AND ExchangeRate IS NOT NULL")),
             2);
    QVERIFY(checkBooks(w.db(), FormatSettings::us()).isEmpty());
}

QTEST_MAIN(TestWorkedExample)
#include "test_workedexample.moc"

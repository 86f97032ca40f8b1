// The worked example of docs/worked-example.md, run on both engines: the same small meal
// program, exactly the invoices, lines and history entries the document lists, and the
// balances posting them gives, and the two cheques that then settle them.
#include "billingworld.h"
#include "receivables/bookcheck/bookcheck.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/posting/paymentpostingrun.h"
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
    void paymentsAsDocumented_data() { testdb::addEngineRows(); }
    void paymentsAsDocumented();
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

namespace
{

// June generated; Ada's and the county's invoices printed (Tom's not yet) and posted.
InvoicePostingResult postJune(World& w)
{
    buildExample(w);
    ScriptedDialogs answers({Dialogs::Yes, Dialogs::No});
    if (w.generate(juneSettings(), &answers).outcome != RunOutcome::Completed)
        return {};
    w.db().exec(
        QStringLiteral("UPDATE ARInv SET Printed = true WHERE CustomerID IN (SELECT "
                       "CustomerID FROM Customer WHERE CustomerNo IN ('C1001', 'COUNTY'))"));
    ScriptedDialogs dialogs;
    NoProgress progress;
    return InvoicePostingRun(w.db(), dialogs, progress).run();
}

qint64 balance(World& w, const char* customerNo)
{
    return testdb::scalar(w.db(), QStringLiteral("SELECT B.Balance FROM CBalance B JOIN "
                                                 "Customer C ON C.CustomerID = B.CustomerID "
                                                 "WHERE C.CustomerNo = '%1'")
                                      .arg(QLatin1String(customerNo)));
}

QString invoiceNoOf(World& w, const char* customerNo)
{
    Statement s = w.db().prepare(
        QStringLiteral("SELECT I.InvoiceNo FROM ARInv I JOIN Customer C ON C.CustomerID = "
                       "I.CustomerID WHERE C.CustomerNo = :no"));
    s.bind(QStringLiteral(":no"), QString::fromLatin1(customerNo)).exec();
    return s.next() ? s.text(0) : QString();
}

// One cheque entered as the payment window enters it: the customer, the cheque's number and
// date, July 2024, and each line through its invoice number.
void enterCheque(World& w, Dialogs& dialogs, const char* customerNo, const QString& chequeNo,
                 std::optional<Money> amount,
                 const std::function<void(PaymentDocument&)>& fillLines)
{
    auto payment = PaymentDocument::openNew(w.db(), dialogs);
    payment->setCustomerNoText(QString::fromLatin1(customerNo));
    payment->setChequeNo(chequeNo);
    payment->setPaymentDate(QDate(2024, 7, 15));
    payment->setGLPeriod(7);
    payment->setGLYear(2024);
    payment->setChequeAmount(amount);
    fillLines(*payment);
    try {
        payment->ok();
    } catch (const PaymentAbandoned&) {
        payment->ok(); // the cheque amount filled in by the question, confirmed
    }
}

} // namespace

void TestWorkedExample::postingAsDocumented()
{
    QFETCH(QString, engine);
    World w(engine);
    const InvoicePostingResult result = postJune(w);
    QCOMPARE(result.outcome, InvoicePostingOutcome::Posted);
    QCOMPARE(result.posted, 2);
    QCOMPARE(result.amount, Money::fromCents(21050));

    QCOMPARE(balance(w, "C1001"), Money::fromCents(500).raw());
    QCOMPARE(balance(w, "COUNTY"), Money::fromCents(20550).raw());
    QCOMPARE(balance(w, "C1004"), -1); // no balance row: nothing of Tom's is posted
    QCOMPARE(testdb::scalar(w.db(), QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = "
                                                   "true AND ExchangeRate IS NOT NULL")),
             2);
    QVERIFY(checkBooks(w.db(), FormatSettings::us()).isEmpty());
}

void TestWorkedExample::paymentsAsDocumented()
{
    QFETCH(QString, engine);
    World w(engine);
    QCOMPARE(postJune(w).outcome, InvoicePostingOutcome::Posted);
    w.setCompany(QStringLiteral("FiscalYear"), 2024);
    const QString adaInvoice = invoiceNoOf(w, "C1001");
    const QString countyInvoice = invoiceNoOf(w, "COUNTY");

    // Ada's cheque 101 pays her 5.00 in full; its amount is left empty and confirmed.
    ScriptedDialogs answers({Dialogs::Yes});
    enterCheque(w, answers, "C1001", QStringLiteral("101"), std::nullopt, [&](PaymentDocument& p) {
        p.appendLine();
        p.setLineInvoiceNo(adaInvoice);
        p.payNoDiscount();
        p.storeLine();
    });
    QCOMPARE(answers.shown().size(), 1);
    QCOMPARE(answers.shown().first().text,
             QStringLiteral("Check amount is 5.00\rIs this correct?"));
    // The county's cheque 5521 pays 200.00 and the 5.50 left is written off.
    enterCheque(w, answers, "COUNTY", QStringLiteral("5521"), Money::fromCents(20000),
                [&](PaymentDocument& p) {
                    p.appendLine();
                    p.setLineInvoiceNo(countyInvoice);
                    p.setLinePaymentAmount(Money::fromCents(20000));
                    p.setLineWriteOffAmount(Money::fromCents(550));
                    p.storeLine();
                });
    // Entering changes no invoice and no balance: only posting does.
    QCOMPARE(balance(w, "COUNTY"), Money::fromCents(20550).raw());

    NoProgress progress;
    const PaymentPostingResult posted = PaymentPostingRun(w.db(), answers, progress).run();
    QCOMPARE(posted.posted, 2);
    QCOMPARE(balance(w, "C1001"), 0);
    QCOMPARE(balance(w, "COUNTY"), 0);
    QCOMPARE(testdb::scalar(w.db(), QStringLiteral("SELECT PaidAmount FROM ARInv WHERE "
                                                   "InvoiceNo = '%1'")
                                        .arg(countyInvoice)),
             Money::fromCents(20000).raw());
    QCOMPARE(testdb::scalar(w.db(), QStringLiteral("SELECT WriteOffAmount FROM ARInv WHERE "
                                                   "InvoiceNo = '%1'")
                                        .arg(countyInvoice)),
             Money::fromCents(550).raw());
    QCOMPARE(testdb::scalar(w.db(), QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Owing <> 0 "
                                                   "AND Posted = true")),
             0);
    QCOMPARE(answers.shown().size(), 1); // nothing asked after the first question
    QVERIFY(checkBooks(w.db(), FormatSettings::us()).isEmpty());
}

QTEST_MAIN(TestWorkedExample)
#include "test_workedexample.moc"

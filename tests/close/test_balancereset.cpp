// The balance reset on both engines: each choice clears exactly what it names and nothing else,
// the pledge write-off works out the new write-off before lowering Owing, the books still tie
// afterwards and after posting on top of a reset, and a refused reset changes nothing.
#include "close/balancereset.h"
#include "engine/database.h"
#include "receivables/bookcheck/bookcheck.h"
#include "receivables/invoices/posting/postingwriter.h"
#include "receivables/payments/posting/paymentpostingwriter.h"
#include "resetledger.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>
#include <vector>

using resetledger::Standing;
Q_DECLARE_METATYPE(Standing)

namespace
{

QStringList texts(const BookDiscrepancies& found)
{
    QStringList list;
    for (const BookDiscrepancy& d : found)
        list << d.text;
    return list;
}

QStringList failures(Database& db)
{
    return texts(failuresOf(checkBooks(db, FormatSettings::us())));
}

QStringList notices(Database& db)
{
    QStringList list;
    for (const BookDiscrepancy& d : checkBooks(db, FormatSettings::us())) {
        if (d.isNotice())
            list << d.text;
    }
    return list;
}

void postInvoice(Database& db, qint64 key)
{
    const std::vector<qint64> keys{key};
    invoiceposting::PostingTally tally;
    invoiceposting::PostingWriter(db).post(keys, tally);
    QCOMPARE(tally.invoices, 1);
}

void postPayment(Database& db, qint64 key)
{
    const std::vector<qint64> keys{key};
    paymentposting::PaymentTally tally;
    paymentposting::PaymentPostingWriter(db).post(keys, tally);
    QCOMPARE(tally.payments, 1);
}

const Standing kBefore{{30, 80, 15, 40, 15, 10}, {0, 0, 5, 0, 0, 0}, {110, 25, 40, 0}};

} // namespace

class TestBalanceReset : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachChoice_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("choice");
        QTest::addColumn<Standing>("after");
        QTest::addColumn<QStringList>("told");
        QStringList engines{QStringLiteral("sqlite")};
        if (testdb::postgresAvailable())
            engines << QStringLiteral("postgres");
        else if (!qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty())
            QFAIL("TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
        // Clients' invoices, posted or not, and clients' balances; the funder's stay.
        const Standing clients{{0, 0, 0, 40, 0, 0}, {0, 0, 5, 0, 0, 0}, {0, 0, 40, 0}};
        const Standing funders{{30, 80, 15, 0, 15, 10}, {0, 0, 5, 0, 0, 0}, {110, 25, 0, 0}};
        // Invoice 1 owes 30 of 50 pledged: 30 written off; invoice 2 owes 80: 50 written off.
        // Invoice 3 had a write-off, invoice 5 is not posted, invoice 6's "p5" is no pledge.
        const Standing pledges{{0, 30, 15, 40, 15, 10}, {30, 50, 5, 0, 0, 0}, {30, 25, 40, 0}};
        const Standing customer1002{{30, 80, 0, 40, 15, 0}, {0, 0, 5, 0, 0, 0}, {110, 0, 40, 0}};
        const Standing everybody{{0, 0, 0, 0, 0, 0}, {0, 0, 5, 0, 0, 0}, {0, 0, 0, 0}};
        const auto cleared = [](const char* invoice, const char* amount) {
            return QStringLiteral("Invoice %1: owing 0.00 where its amount less paid, discount "
                                  "and write-off is %2: %2 cleared by a balance reset")
                .arg(QLatin1String(invoice), QLatin1String(amount));
        };
        for (const QString& engine : engines) {
            const auto row = [&](const char* name, ResetChoice choice, const Standing& after,
                                 const QStringList& told) {
                QTest::addRow("%s %s", qPrintable(engine), name)
                    << engine << int(choice) << after << told;
            };
            row("clients", ResetChoice::ClientBalances, clients,
                {cleared("20001", "30.00"), cleared("20002", "80.00"), cleared("20003", "15.00"),
                 cleared("20005", "15.00"), cleared("20006", "10.00")});
            row("funders", ResetChoice::FunderBalances, funders, {cleared("20004", "40.00")});
            row("pledges", ResetChoice::PledgeWriteOff, pledges,
                {QStringLiteral("Invoice 20001: 30.00 of its pledges written off by a balance "
                                "reset"),
                 QStringLiteral("Invoice 20002: 50.00 of its pledges written off by a balance "
                                "reset")});
            row("one account", ResetChoice::SelectedAccount, customer1002,
                {cleared("20003", "15.00"), cleared("20006", "10.00")});
            row("everybody", ResetChoice::AllBalances, everybody,
                {cleared("20001", "30.00"), cleared("20002", "80.00"), cleared("20003", "15.00"),
                 cleared("20004", "40.00"), cleared("20005", "15.00"), cleared("20006", "10.00")});
        }
    }
    // Amounts, paid and discount never change; the books tie before and after, what a reset
    // cleared is told as a notice, and no balance row is made or left empty.
    void eachChoice()
    {
        QFETCH(QString, engine);
        QFETCH(int, choice);
        QFETCH(Standing, after);
        QFETCH(QStringList, told);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        QCOMPARE(failures(*db), QStringList());
        QCOMPARE(resetledger::standing(*db), kBefore);

        ScriptedDialogs dialogs({Dialogs::Yes});
        QCOMPARE(confirmAndResetBalances(*db, dialogs, ResetChoice(choice), 2),
                 ResetOutcome::Reset);
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral("Proceed with setting the selected account balances "
                                             "or pledge line items to zero?\r\nThe action can "
                                             "not be reversed!"),
                              QStringLiteral("Successfully reset the selected balances.")}));
        QCOMPARE(resetledger::standing(*db), after);
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT InvoiceAmount + PaidAmount + "
                                                      "DiscTakenAmount FROM ARInv ORDER BY "
                                                      "ARInvoiceID")),
                 QList<qint64>({1300000, 800000, 400000, 400000, 150000, 100000}));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE "
                                                    "Balance IS NULL")),
                 0);
        QCOMPARE(failures(*db), QStringList());
        QCOMPARE(notices(*db), told);
    }

    void postingAfterReset_data() { testdb::addEngineRows(); }
    // An invoice cleared before it was posted adds nothing to its balance, and a payment on a
    // cleared invoice does not bring back what was cleared: the books tie afterwards.
    void postingAfterReset()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        resetBalances(*db, ResetChoice::ClientBalances);
        postInvoice(*db, 5);
        postPayment(*db, 3);
        QCOMPARE(resetledger::standing(*db),
                 Standing({0, -10, 0, 40, 0, 0}, {0, 0, 5, 0, 0, 0}, {-10, 0, 40, 0}));
        QCOMPARE(failures(*db), QStringList());
        QVERIFY(notices(*db).contains(QStringLiteral(
            "Invoice 20002: owing -10.00 where its amount less paid, discount and write-off is "
            "70.00: 80.00 cleared by a balance reset")));

        // After the pledge write-off a payment lowers what is left; the write-off stays.
        auto pledged = testdb::fresh(engine);
        resetledger::create(*pledged);
        resetBalances(*pledged, ResetChoice::PledgeWriteOff);
        postPayment(*pledged, 3);
        postInvoice(*pledged, 5);
        QCOMPARE(resetledger::standing(*pledged),
                 Standing({0, 20, 15, 40, 15, 10}, {30, 50, 5, 0, 0, 0}, {35, 25, 40, 0}));
        QCOMPARE(failures(*pledged), QStringList());
    }

    void otherDiscrepanciesStillFail_data() { testdb::addEngineRows(); }
    // A reset explains Owing below the amounts and a write-off within the pledges, nothing else.
    void otherDiscrepanciesStillFail()
    {
        QFETCH(QString, engine);
        const QList<QPair<QString, QStringList>> damages{
            {QStringLiteral("UPDATE CBalance SET Balance = Balance + 100 WHERE CustomerID = 1"),
             {QStringLiteral("Customer 1001: balance 30.01, but its posted invoices owe 30.00")}},
            {QStringLiteral("UPDATE ARInv SET Owing = 810000 WHERE ARInvoiceID = 4"),
             {QStringLiteral("Invoice 20004: owing 81.00, but its amount less paid, discount and "
                             "write-off is 40.00"),
              QStringLiteral("Customer 2001: balance 40.00, but its posted invoices owe 81.00")}},
            {QStringLiteral("UPDATE ARInvDet SET UnitPrice = 310000 WHERE ARInvoiceID = 2 AND "
                            "Seq = 1"),
             {QStringLiteral("Invoice 20002: amount 80.00, but its lines and taxes come to "
                             "81.00")}},
            // More written off than the invoice pledged: not the reset's doing.
            {QStringLiteral("UPDATE ARInv SET WriteOffAmount = 510000, Owing = 290000 WHERE "
                            "ARInvoiceID = 2"),
             {QStringLiteral("Customer 1001: balance 30.00, but its posted invoices owe 29.00"),
              QStringLiteral("Invoice 20002: paid 0.00, discount 0.00, write-off 51.00, but its "
                             "posted payments come to paid 0.00, discount 0.00, write-off 0.00")}},
        };
        for (const auto& [damage, expected] : damages) {
            auto db = testdb::fresh(engine);
            resetledger::create(*db);
            resetBalances(*db, ResetChoice::PledgeWriteOff);
            db->exec(damage);
            QCOMPARE(failures(*db), expected);
        }
    }

    void clearedCredits_data() { testdb::addEngineRows(); }
    // A posted credit note of customer 1004 (owing -20.00, its balance -20.00): clearing what
    // clients owe clears it too, which the check tells as a reset's doing; a credit owing more
    // than its amounts give is still a failure.
    void clearedCredits()
    {
        QFETCH(QString, engine);
        auto addCredit = [](Database& db) {
            resetledger::create(db);
            db.exec(QStringLiteral(
                "INSERT INTO ARInvDet (ARInvoiceID, Seq, Quantity, ItemID, UnitPrice) "
                "VALUES (7, 1, 1, 1, -200000)"));
            db.exec(QStringLiteral(
                "INSERT INTO ARInv (ARInvoiceID, InvoiceNo, CustomerID, CustomerType, Posted, "
                "InvoiceAmount, PaidAmount, DiscTakenAmount, WriteOffAmount, Owing) "
                "VALUES (7, '20007', 4, 'C', true, -200000, 0, 0, 0, -200000)"));
            db.exec(QStringLiteral("UPDATE CBalance SET Balance = -200000 WHERE CustomerID = 4"));
            db.exec(QStringLiteral("UPDATE ARInvCtl SET NextInvoiceID = 8, NextInvoiceNo = 20008"));
        };
        auto db = testdb::fresh(engine);
        addCredit(*db);
        QCOMPARE(failures(*db), QStringList());
        resetBalances(*db, ResetChoice::ClientBalances);
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT Owing FROM ARInv WHERE ARInvoiceID = 7")),
            0);
        QCOMPARE(failures(*db), QStringList());
        QVERIFY(notices(*db).contains(
            QStringLiteral("Invoice 20007: owing 0.00 where its amount less paid, discount and "
                           "write-off is -20.00: -20.00 cleared by a balance reset")));

        auto damaged = testdb::fresh(engine);
        addCredit(*damaged);
        damaged->exec(QStringLiteral("UPDATE ARInv SET Owing = -300000 WHERE ARInvoiceID = 7"));
        damaged->exec(QStringLiteral("UPDATE CBalance SET Balance = -300000 WHERE CustomerID = 4"));
        QCOMPARE(failures(*damaged),
                 QStringList{QStringLiteral("Invoice 20007: owing -30.00, but its amount less "
                                            "paid, discount and write-off is -20.00")});
    }

    void declinedOrRefused_data() { testdb::addEngineRows(); }
    // No changes nothing; an engine refusal midway undoes what was done and shows its message.
    void declinedOrRefused()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        ScriptedDialogs no({Dialogs::No});
        QCOMPARE(confirmAndResetBalances(*db, no, ResetChoice::AllBalances),
                 ResetOutcome::Declined);
        QCOMPARE(no.texts().size(), 1);
        QCOMPARE(resetledger::standing(*db), kBefore);

        // The invoices are cleared first; the balances' table is not there to be cleared.
        db->exec(QStringLiteral("ALTER TABLE CBalance RENAME TO CBalanceGone"));
        ScriptedDialogs yes({Dialogs::Yes});
        QCOMPARE(confirmAndResetBalances(*db, yes, ResetChoice::AllBalances),
                 ResetOutcome::Refused);
        QCOMPARE(yes.shown().size(), 2);
        QCOMPARE(yes.shown().at(1).kind, Dialogs::Kind::Error);
        QVERIFY2(yes.shown().at(1).text.contains(QStringLiteral("cbalance"), Qt::CaseInsensitive),
                 qPrintable(yes.shown().at(1).text));
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT Owing FROM ARInv ORDER BY "
                                                      "ARInvoiceID")),
                 QList<qint64>({300000, 800000, 150000, 400000, 150000, 100000}));
        QCOMPARE(db->transactionDepth(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBalanceReset)
#include "test_balancereset.moc"

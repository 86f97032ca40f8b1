// Invoice posting on both engines: which invoices are posted, what reaches the balances and the
// exchange rates, the messages, the table locks with Retry and Cancel, and an engine refusal in
// the middle of a pass.
#include "engine/database.h"
#include "engine/dberror.h"
#include "postingfixture.h"
#include "postinglockchecks.h"
#include "postingrefusalchecks.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/invoices/posting/postingwriter.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace postingfixture;
using namespace invoiceposting;

namespace
{

qint64 posted(Database& db)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true"));
}

} // namespace

class TestInvoicePosting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Printed, unposted invoices of existing customers are posted with their currency's rate
    // and added to the balances: a missing balance row is made, a credit lowers the balance.
    // Unprinted, already posted and orphaned invoices are left as they are.
    void postsPrintedInvoicesIntoBalances_data() { testdb::addEngineRows(); }
    void postsPrintedInvoicesIntoBalances()
    {
        QFETCH(QString, engine);
        auto db = freshLedger(engine);
        addCustomer(*db, 1, kDollars, Money::fromCents(777)); // invoice 6's
        addCustomer(*db, 2);                                  // no balance row yet
        addCustomer(*db, 3, kCanadian, Money{});
        addCustomer(*db, 4, 99); // a currency that is not there
        addInvoice(*db, {1, 1, Money::fromCents(10000)});
        addInvoice(*db, {2, 1, Money::fromCents(-3000)}); // a credit
        addInvoice(*db, {3, 2, Money::fromRaw(200005)});
        addInvoice(*db, {4, 3, Money::fromCents(4000)});
        addInvoice(*db, {5, 1, Money::fromCents(999), false});      // not printed
        addInvoice(*db, {6, 1, Money::fromCents(777), true, true}); // posted before
        addInvoice(*db, {7, 42, Money::fromCents(1234)});           // its customer is gone
        addInvoice(*db, {8, 4, Money::fromCents(100)});
        QCOMPARE(toBePostedText(countInvoicesToPost(*db)),
                 QStringLiteral("5 printed invoice(s) to be posted"));

        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const InvoicePostingResult result = InvoicePostingRun(*db, dialogs, progress).run();
        QCOMPARE(result.outcome, InvoicePostingOutcome::Posted);
        QVERIFY(result.accepted());
        QCOMPARE(result.waiting, 5);
        QCOMPARE(result.posted, 5);
        QCOMPARE(result.amount,
                 Money::fromCents(10000 - 3000 + 4000 + 100) + Money::fromRaw(200005));
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(progress.minimum, 0);
        QCOMPARE(progress.maximum, 5);
        QCOMPARE(progress.values.last(), 5);

        QCOMPARE(balance(*db, 1), Money::fromCents(777 + 10000 - 3000));
        QCOMPARE(balance(*db, 2), Money::fromRaw(200005));
        QCOMPARE(balance(*db, 3), Money::fromCents(4000));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE CustomerID = 2")),
                 1);
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT ARInvoiceID FROM ARInv WHERE "
                                                      "Posted = true ORDER BY 1")),
                 QList<qint64>({1, 2, 3, 4, 6, 8}));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE CustomerID = 42")),
                 0);
        // The rate is the customer's currency's; none when the currency is gone.
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE ARInvoiceID IN (1, "
                                           "2, 3) AND ExchangeRate = 1")),
                 3);
        QCOMPARE(count(*db, QStringLiteral("SELECT CAST(ROUND(ExchangeRate * 10000) AS BIGINT) "
                                           "FROM ARInv WHERE ARInvoiceID = 4")),
                 7325);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE ExchangeRate IS "
                                           "NULL AND ARInvoiceID IN (5, 6, 7, 8)")),
                 4);
        // Customer 4's balance row is made too; only the posted invoices count.
        QCOMPARE(untiedBalances(*db), 0);

        // A second pass finds nothing and changes nothing.
        const InvoicePostingResult again = InvoicePostingRun(*db, dialogs, progress).run();
        QCOMPARE(again.outcome, InvoicePostingOutcome::NothingToPost);
        QVERIFY(!again.accepted());
        QCOMPARE(balance(*db, 1), Money::fromCents(7777));
    }

    // Nothing waiting: no question, no lock, no change. An open invoice window refuses posting
    // with the conflicting-program error.
    void refusalsBeforePosting_data() { testdb::addEngineRows(); }
    void refusalsBeforePosting()
    {
        QFETCH(QString, engine);
        auto db = freshLedger(engine);
        addCustomer(*db, 1);
        addInvoice(*db, {1, 1, Money::fromCents(500), false});
        ScriptedDialogs dialogs;
        NoProgress quiet;
        QCOMPARE(toBePostedText(countInvoicesToPost(*db)),
                 QStringLiteral("0 printed invoice(s) to be posted"));
        auto other = impatient(*db);
        QVERIFY(other->tryLockTable(QStringLiteral("ARInv"))); // never asked about
        QCOMPARE(InvoicePostingRun(*db, dialogs, quiet).run().outcome,
                 InvoicePostingOutcome::NothingToPost);
        other->unlockTable(QStringLiteral("ARInv"));

        addInvoice(*db, {2, 1, Money::fromCents(700)});
        const InvoicePostingResult refused =
            InvoicePostingRun(*db, dialogs, quiet).run({.invoiceWindowOpen = true});
        QCOMPARE(refused.outcome, InvoicePostingOutcome::InvoiceWindowOpen);
        QVERIFY(!refused.accepted());
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral(
                     "A conflicting program is running...\rPlease close 'AR Invoice' form")}));
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QCOMPARE(posted(*db), 0);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance")), 0);
    }

    // A table another workstation holds asks Retry or Cancel (postinglockchecks.h).
    void lockedTablesAskRetryOrCancel_data() { testdb::addEngineRows(); }
    void lockedTablesAskRetryOrCancel()
    {
        QFETCH(QString, engine);
        auto db = freshLedger(engine);
        addCustomer(*db, 1);
        addInvoice(*db, {1, 1, Money::fromCents(2500)});
        NoProgress quiet;
        checkLockedTablesAskRetryOrCancel(
            *db,
            {QStringLiteral("ARInv"),
             QStringLiteral("Unable to lock Invoices table... this table is being updated "
                            "by another job."),
             [&](Dialogs& dialogs) { return InvoicePostingRun(*db, dialogs, quiet).run().posted; },
             [&] { return int(posted(*db)); }});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(balance(*db, 1), Money::fromCents(2500));
    }

    // Invoices another workstation posted after they were read are neither posted again nor
    // added to a balance twice, even without the table locks.
    void invoicesPostedMeanwhileAreLeftAlone_data() { testdb::addEngineRows(); }
    void invoicesPostedMeanwhileAreLeftAlone()
    {
        QFETCH(QString, engine);
        auto db = freshLedger(engine);
        addCustomer(*db, 1);
        addCustomer(*db, 2, kCanadian, Money{});
        addInvoice(*db, {1, 1, Money::fromCents(1000)});
        addInvoice(*db, {2, 2, Money::fromCents(2000)});
        addInvoice(*db, {3, 1, Money::fromCents(-300)});
        const std::vector<qint64> keys = invoicesToPost(*db);
        QCOMPARE(keys, std::vector<qint64>({1, 2, 3}));
        auto other = testdb::reopen(*db);
        PostingTally first;
        PostingWriter(*other).post(std::span(keys).first(2), first);
        QCOMPARE(first.invoices, 2);
        PostingTally second;
        PostingWriter(*db).post(keys, second);
        QCOMPARE(second.invoices, 1);
        QCOMPARE(second.amount, Money::fromCents(-300));
        QCOMPARE(balance(*db, 1), Money::fromCents(700));
        QCOMPARE(balance(*db, 2), Money::fromCents(2000));
        QCOMPARE(untiedBalances(*db), 0);
    }

    // The engine refuses one customer's balance in the middle of a block: the invoices before
    // it stay posted with their balances, the refused invoice and those after it stay unposted,
    // the error is shown, and posting again after the fault is put right finishes the work.
    void engineRefusalKeepsWhatWasPosted_data() { testdb::addEngineRows(); }
    void engineRefusalKeepsWhatWasPosted()
    {
        QFETCH(QString, engine);
        auto db = freshLedger(engine);
        for (qint64 c = 1; c <= 4; ++c)
            addCustomer(*db, c, kDollars, c == 2 ? std::optional<Money>() : Money{});
        // 1..599 over customers 1, 3, 4; customer 2's first invoice is 520, in the second block.
        const qint64 others[] = {1, 3, 4};
        for (qint64 id = 1; id <= 600; ++id)
            addInvoice(*db,
                       {id, id == 520 || id == 560 ? 2 : others[id % 3], Money::fromCents(id)});
        refuseBalanceOf(*db, 2);

        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const InvoicePostingResult result = InvoicePostingRun(*db, dialogs, progress).run();
        checkStoppedAtTheRefusedBalance(result, dialogs, progress);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(posted(*db), 519);
        QCOMPARE(count(*db, QStringLiteral("SELECT MAX(ARInvoiceID) FROM ARInv WHERE Posted = "
                                           "true")),
                 519);
        QCOMPARE(untiedBalances(*db), 0);
        QCOMPARE(result.amount, Money::fromCents(519 * 520 / 2));

        allowBalances(*db);
        const InvoicePostingResult rest = InvoicePostingRun(*db, dialogs, progress).run();
        QCOMPARE(rest.outcome, InvoicePostingOutcome::Posted);
        QCOMPARE(rest.posted, 81);
        QCOMPARE(posted(*db), 600);
        QCOMPARE(untiedBalances(*db), 0);
        QCOMPARE(balance(*db, 2), Money::fromCents(520 + 560));
    }
};

QTEST_GUILESS_MAIN(TestInvoicePosting)
#include "test_invoiceposting.moc"

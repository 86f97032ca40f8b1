// Payment posting on both engines: what reaches the invoices and the balances, the messages,
// the table locks with Retry and Cancel, payments posted meanwhile by another workstation, a
// discount or write-off that no longer settles its invoice, and an engine refusal in the middle
// of a pass.
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/transaction.h"
#include "paymentledger.h"
#include "postinglockchecks.h"
#include "postingrefusalchecks.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "receivables/payments/posting/paymentpostingwriter.h"
#include "receivables/payments/posting/paymentstopost.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace paymentledger;
using namespace paymentposting;

namespace
{

Money cents(qint64 c)
{
    return Money::fromCents(c);
}

PaymentPostingResult postAll(Database& db, Dialogs& dialogs)
{
    NoProgress quiet;
    return PaymentPostingRun(db, dialogs, quiet).run();
}

} // namespace

class TestPaymentPosting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Unposted payments of existing customers are applied line by line to their invoices and
    // taken off their customers' balances, discounts and write-offs included; empty amounts
    // count as 0. A line whose invoice is gone changes nothing, but its payment is posted.
    // Posted payments and payments of a customer not on file are left as they are.
    void postsPaymentsIntoInvoicesAndBalances_data() { testdb::addEngineRows(); }
    void postsPaymentsIntoInvoicesAndBalances()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        for (qint64 c = 1; c <= 3; ++c)
            addCustomer(*db, c);
        addPostedInvoice(*db, 1, 1, cents(20000));
        addPostedInvoice(*db, 2, 2, cents(10000));
        addPostedInvoice(*db, 3, 2, cents(8000));
        addPostedInvoice(*db, 4, 3, Money::fromRaw(500005));
        addPostedInvoice(*db, 5, 3, cents(1000));
        // 196.00 and a 4.00 discount settle the 200.00 invoice.
        addPayment(*db, 1, 1, {{1, cents(19600), cents(400)}});
        // Two payments of one customer; the second writes off the rest of invoice 3.
        addPayment(*db, 2, 2, {{2, cents(3000)}});
        addPayment(*db, 3, 2, {{2, cents(2500)}, {3, cents(6000), std::nullopt, cents(2000)}});
        // A line on an invoice since deleted, beside one that pays to the ten-thousandth.
        addPayment(*db, 4, 3, {{99, cents(1500)}, {4, Money::fromRaw(20001)}});
        addPayment(*db, 5, 3, {{5, cents(100)}}, true); // posted before, and applied then
        db->exec(QStringLiteral("UPDATE ARInv SET PaidAmount = 10000, Owing = Owing - 10000 WHERE "
                                "ARInvoiceID = 5"));
        db->exec(
            QStringLiteral("UPDATE CBalance SET Balance = Balance - 10000 WHERE CustomerID = 3"));
        addPayment(*db, 6, 42, {{5, cents(200)}}); // its customer is gone
        addPayment(*db, 7, 3, {{5, std::nullopt, std::nullopt, std::nullopt}}); // all empty
        QCOMPARE(toBePostedText(countPaymentsToPost(*db)),
                 QStringLiteral("5 payment(s) to be posted"));

        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const PaymentPostingResult result = PaymentPostingRun(*db, dialogs, progress).run();
        QCOMPARE(result.outcome, PaymentPostingOutcome::Posted);
        QVERIFY(result.accepted());
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(result.waiting, 5);
        QCOMPARE(result.posted, 5);
        QVERIFY(result.heldBack.isEmpty());
        QCOMPARE(result.amount, cents(20000 + 3000 + 2500 + 8000) + Money::fromRaw(20001));
        QCOMPARE(progress.minimum, 0);
        QCOMPARE(progress.maximum, 5);
        QCOMPARE(progress.values.last(), 5);
        QCOMPARE(postedPayments(*db), QList<qint64>({1, 2, 3, 4, 5, 7}));

        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(19600), cents(400), {}, {}}));
        QCOMPARE(balance(*db, 1), Money());
        QCOMPARE(invoicePaid(*db, 2), (InvoicePaid{cents(5500), {}, {}, cents(4500)}));
        QCOMPARE(invoicePaid(*db, 3), (InvoicePaid{cents(6000), {}, cents(2000), {}}));
        QCOMPARE(balance(*db, 2), cents(4500));
        QCOMPARE(invoicePaid(*db, 4),
                 (InvoicePaid{Money::fromRaw(20001), {}, {}, Money::fromRaw(480004)}));
        // The payment posted before and the one of no customer changed nothing.
        QCOMPARE(invoicePaid(*db, 5), (InvoicePaid{cents(100), {}, {}, cents(900)}));
        QCOMPARE(balance(*db, 3), Money::fromRaw(480004) + cents(900));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());

        const PaymentPostingResult again = postAll(*db, dialogs);
        QCOMPARE(again.outcome, PaymentPostingOutcome::NothingToPost);
        QVERIFY(!again.accepted());
        QCOMPARE(balance(*db, 2), cents(4500));
    }

    // A customer without a balance row gets one holding minus what was paid; the invoice of
    // the payment itself drops its Owing by as much.
    void aMissingBalanceRowIsMadeNegative_data() { testdb::addEngineRows(); }
    void aMissingBalanceRowIsMadeNegative()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addPostedInvoice(*db, 1, 1, cents(5000), false);
        addPayment(*db, 1, 1, {{1, cents(1200)}, {1 + 1000, cents(700)}});
        ScriptedDialogs dialogs;
        QCOMPARE(postAll(*db, dialogs).posted, 1);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance")), 1);
        QCOMPARE(balance(*db, 1), cents(-1200));
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(1200), {}, {}, cents(3800)}));
    }

    // Nothing waiting: no question, no lock, no change. An open payment window refuses posting
    // with the conflicting-program error.
    void refusalsBeforePosting_data() { testdb::addEngineRows(); }
    void refusalsBeforePosting()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addPostedInvoice(*db, 1, 1, cents(5000));
        addPayment(*db, 1, 1, {{1, cents(500)}}, true);
        ScriptedDialogs dialogs;
        NoProgress quiet;
        QCOMPARE(toBePostedText(countPaymentsToPost(*db)),
                 QStringLiteral("0 payment(s) to be posted"));
        auto other = impatient(*db);
        QVERIFY(other->tryLockTable(QStringLiteral("ARPmt"))); // never asked about
        QCOMPARE(PaymentPostingRun(*db, dialogs, quiet).run().outcome,
                 PaymentPostingOutcome::NothingToPost);
        other->unlockTable(QStringLiteral("ARPmt"));
        QVERIFY(dialogs.shown().isEmpty());

        addPayment(*db, 2, 1, {{1, cents(700)}});
        const PaymentPostingResult refused =
            PaymentPostingRun(*db, dialogs, quiet).run({.paymentWindowOpen = true});
        QCOMPARE(refused.outcome, PaymentPostingOutcome::PaymentWindowOpen);
        QVERIFY(!refused.accepted());
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral(
                     "A conflicting program is running...\rPlease close 'AR Payment' form")}));
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QCOMPARE(postedPayments(*db), QList<qint64>({1}));
        QCOMPARE(balance(*db, 1), cents(5000));
    }

    // A table another workstation holds asks Retry or Cancel (postinglockchecks.h).
    void lockedTablesAskRetryOrCancel_data() { testdb::addEngineRows(); }
    void lockedTablesAskRetryOrCancel()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addPostedInvoice(*db, 1, 1, cents(2500));
        addPayment(*db, 1, 1, {{1, cents(2500)}});
        NoProgress quiet;
        checkLockedTablesAskRetryOrCancel(
            *db,
            {QStringLiteral("ARPmt"),
             QStringLiteral("Unable to lock Payments table... this table is being updated "
                            "by another job."),
             [&](Dialogs& dialogs) { return PaymentPostingRun(*db, dialogs, quiet).run().posted; },
             [&] { return int(postedPayments(*db).size()); }});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(balance(*db, 1), Money());
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(2500), {}, {}, {}}));
    }

    // Two workstations entered payments on the same invoice. A plain payment may overpay, and
    // Owing goes below 0. But a discount or write-off entered to settle the invoice no longer
    // settles it once another payment was posted first: that payment is held back whole (its
    // other invoices untouched too) and named, the others are posted, and once it is corrected
    // the next pass posts it.
    void discountNoLongerSettlingIsHeldBack_data() { testdb::addEngineRows(); }
    void discountNoLongerSettlingIsHeldBack()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addPostedInvoice(*db, 1, 1, cents(20000));
        addPostedInvoice(*db, 2, 1, cents(5000));
        addPostedInvoice(*db, 3, 1, cents(8000));
        addPostedInvoice(*db, 4, 1, cents(3000));
        // Invoice 1: paid in part first; then a discount, then a write-off, both entered
        // when it owed 200.00.
        addPayment(*db, 1, 1, {{1, cents(10000)}});
        addPayment(*db, 2, 1, {{2, cents(5000)}, {1, cents(19600), cents(400)}});
        addPayment(*db, 3, 1, {{1, std::nullopt, std::nullopt, cents(20000)}});
        // Invoice 3: the discount comes first and settles it; the plain payment after it
        // overpays.
        addPayment(*db, 4, 1, {{3, cents(7840), cents(160)}});
        addPayment(*db, 5, 1, {{3, cents(1000)}});
        // Invoice 4: a payment and a write-off settle it together.
        addPayment(*db, 6, 1, {{4, cents(1000), std::nullopt, cents(2000)}});

        ScriptedDialogs dialogs;
        const PaymentPostingResult result = postAll(*db, dialogs);
        QCOMPARE(result.outcome, PaymentPostingOutcome::Posted);
        QCOMPARE(result.waiting, 6);
        QCOMPARE(result.posted, 4);
        QCOMPARE(result.heldBack,
                 QList<HeldBackPayment>({{2, QStringLiteral("C2"), QStringLiteral("10001")},
                                         {3, QStringLiteral("C3"), QStringLiteral("10001")}}));
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral(
                     "Cheque 'C2' was not posted: invoice '10001' no longer owes what its "
                     "discount or write-off settles.\rCheque 'C3' was not posted: invoice "
                     "'10001' no longer owes what its discount or write-off settles.\rOpen "
                     "these payments and correct them.")}));
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Warning);
        QCOMPARE(postedPayments(*db), QList<qint64>({1, 4, 5, 6}));
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(10000), {}, {}, cents(10000)}));
        QCOMPARE(invoicePaid(*db, 2), (InvoicePaid{{}, {}, {}, cents(5000)}));
        QCOMPARE(invoicePaid(*db, 3), (InvoicePaid{cents(8840), cents(160), {}, cents(-1000)}));
        QCOMPARE(invoicePaid(*db, 4), (InvoicePaid{cents(1000), {}, cents(2000), {}}));
        QCOMPARE(balance(*db, 1), cents(10000 + 5000 - 1000));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());

        // Still wrong on the next pass: named again, nothing changes.
        ScriptedDialogs again;
        QCOMPARE(postAll(*db, again).heldBack.size(), 2);
        QCOMPARE(again.texts().size(), 1);
        QCOMPARE(balance(*db, 1), cents(14000));

        // The bookkeeper drops the write-off payment and takes the discount off the other.
        db->exec(QStringLiteral("DELETE FROM ARInvPmt WHERE PaymentID = 3"));
        db->exec(QStringLiteral("DELETE FROM ARPmt WHERE PaymentID = 3"));
        db->exec(QStringLiteral("UPDATE ARInvPmt SET PaymentAmount = 1000000, DiscTakenAmount = "
                                "NULL WHERE PaymentID = 2 AND ARInvoiceID = 1"));
        ScriptedDialogs corrected;
        const PaymentPostingResult rest = postAll(*db, corrected);
        QVERIFY(corrected.shown().isEmpty());
        QCOMPARE(rest.posted, 1);
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(20000), {}, {}, {}}));
        QCOMPARE(invoicePaid(*db, 2), (InvoicePaid{cents(5000), {}, {}, {}}));
        QCOMPARE(balance(*db, 1), cents(-1000));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());
    }

    // One held-back payment is named alone, with the singular request.
    void oneHeldBackPaymentIsNamed_data() { testdb::addEngineRows(); }
    void oneHeldBackPaymentIsNamed()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addPostedInvoice(*db, 1, 1, cents(20000));
        // Posted in an earlier pass, after the discount was entered.
        addPayment(*db, 1, 1, {{1, cents(5000)}});
        ScriptedDialogs first;
        QCOMPARE(postAll(*db, first).posted, 1);
        addPayment(*db, 2, 1, {{1, cents(19600), cents(400)}});
        ScriptedDialogs dialogs;
        const PaymentPostingResult result = postAll(*db, dialogs);
        QCOMPARE(result.outcome, PaymentPostingOutcome::Posted);
        QVERIFY(result.accepted());
        QCOMPARE(result.posted, 0);
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral(
                     "Cheque 'C2' was not posted: invoice '10001' no longer owes what its "
                     "discount or write-off settles.\rOpen the payment and correct it.")}));
        QCOMPARE(postedPayments(*db), QList<qint64>({1}));
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(5000), {}, {}, cents(15000)}));
    }

    // Payments another workstation posted after they were read are neither applied again nor
    // taken off a balance twice, even without the table locks.
    void paymentsPostedMeanwhileAreLeftAlone_data() { testdb::addEngineRows(); }
    void paymentsPostedMeanwhileAreLeftAlone()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        addCustomer(*db, 1);
        addCustomer(*db, 2);
        addPostedInvoice(*db, 1, 1, cents(10000));
        addPostedInvoice(*db, 2, 2, cents(10000));
        addPayment(*db, 1, 1, {{1, cents(1000)}});
        addPayment(*db, 2, 2, {{2, cents(2000)}});
        addPayment(*db, 3, 1, {{1, cents(9000)}});
        const std::vector<qint64> keys = paymentsToPost(*db);
        QCOMPARE(keys, std::vector<qint64>({1, 2, 3}));
        auto other = testdb::reopen(*db);
        PaymentTally first;
        PaymentPostingWriter(*other).post(std::span(keys).first(2), first);
        QCOMPARE(first.payments, 2);
        PaymentTally second;
        PaymentPostingWriter(*db).post(keys, second);
        QCOMPARE(second.payments, 1);
        QCOMPARE(second.amount, cents(9000));
        QCOMPARE(invoicePaid(*db, 1), (InvoicePaid{cents(10000), {}, {}, {}}));
        QCOMPARE(balance(*db, 1), Money());
        QCOMPARE(balance(*db, 2), cents(8000));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());
    }

    // The engine refuses one customer's balance in the middle of a block: the payments before
    // it stay posted with their invoices and balances, the refused payment and those after it
    // stay unposted with their invoices untouched, the error is shown, and posting again after
    // the fault is put right finishes the work.
    void engineRefusalKeepsWhatWasPosted_data() { testdb::addEngineRows(); }
    void engineRefusalKeepsWhatWasPosted()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        for (qint64 c = 1; c <= 4; ++c)
            addCustomer(*db, c);
        // Payment n pays invoice n (and invoice n + 1000 of the same customer); customer 2's
        // first payment is 520, in the second block.
        const qint64 others[] = {1, 3, 4};
        {
            Transaction transaction(*db);
            for (qint64 id = 1; id <= 600; ++id) {
                const qint64 customer = id == 520 || id == 560 ? 2 : others[id % 3];
                addPostedInvoice(*db, id, customer, cents(10000));
                addPostedInvoice(*db, id + 1000, customer, cents(500));
                addPayment(*db, id, customer, {{id, cents(id)}, {id + 1000, cents(500)}});
            }
            transaction.commit();
        }
        refuseBalanceOf(*db, 2);

        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const PaymentPostingResult result = PaymentPostingRun(*db, dialogs, progress).run();
        checkStoppedAtTheRefusedBalance(result, dialogs, progress);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(postedPayments(*db).size(), 519);
        QCOMPARE(postedPayments(*db).last(), 519);
        QCOMPARE(result.amount, cents(519 * 520 / 2 + 519 * 500));
        QCOMPARE(invoicePaid(*db, 519), (InvoicePaid{cents(519), {}, {}, cents(10000 - 519)}));
        QCOMPARE(invoicePaid(*db, 520), (InvoicePaid{{}, {}, {}, cents(10000)}));
        QCOMPARE(invoicePaid(*db, 1521), (InvoicePaid{{}, {}, {}, cents(500)}));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());

        allowBalances(*db);
        const PaymentPostingResult rest = PaymentPostingRun(*db, dialogs, progress).run();
        QCOMPARE(rest.outcome, PaymentPostingOutcome::Posted);
        QCOMPARE(rest.posted, 81);
        QCOMPARE(postedPayments(*db).size(), 600);
        QCOMPARE(balance(*db, 2), cents(2 * 10000 - 520 - 560));
        QCOMPARE(untiedBooks(*db).join('\n'), QString());
    }
};

QTEST_GUILESS_MAIN(TestPaymentPosting)
#include "test_paymentposting.moc"

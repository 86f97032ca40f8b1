// Post AR Payments as a bookkeeper uses it, offscreen: the count, OK posting everything waiting
// and closing with OK, an empty selection closing with Cancel, an open payment window, a
// payment held back for correction, and a table held by another workstation answered with
// Cancel.
#include "engine/database.h"
#include "paymentledger.h"
#include "postingdialogchecks.h"
#include "receivables/payments/posting/ui/frmarpaymentspost.h"
#include "receivables/payments/posting/ui/paymentwindowopen.h"
#include "testdatabases.h"

#include <QTest>
#include <optional>

using namespace paymentledger;
using namespace postingdialogchecks;

namespace
{

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = freshPaymentLedger(engine);
    addCustomer(*db, 1);
    addCustomer(*db, 2);
    addPostedInvoice(*db, 1, 1, Money::fromCents(4000));
    addPostedInvoice(*db, 2, 2, Money::fromCents(1500));
    addPayment(*db, 1, 1, {{1, Money::fromCents(1000)}});
    addPayment(*db, 2, 2, {{2, Money::fromCents(1470), Money::fromCents(30)}});
    return db;
}

} // namespace

class TestPaymentsPostDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void okPostsAndCloses_data() { testdb::addEngineRows(); }
    void okPostsAndCloses()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        TfrmARPaymentsPost dialog(*db);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Post AR Payments"));
        checkOkPostsAndCloses(dialog, 2, QStringLiteral("2 payment(s) to be posted"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(postedPayments(*db), QList<qint64>({1, 2}));
        QCOMPARE(balance(*db, 1), Money::fromCents(3000));
        QCOMPARE(balance(*db, 2), Money());

        // Opened again, nothing waits: OK closes with Cancel and changes nothing.
        TfrmARPaymentsPost empty(*db);
        checkNothingWaitingCancels(empty, QStringLiteral("0 payment(s) to be posted"));
        if (QTest::currentTestFailed())
            return;
    }

    // A discount that no longer settles its invoice: the payment is named in one warning, the
    // others are posted and the dialog closes with OK.
    void aHeldBackPaymentIsNamed_data() { testdb::addEngineRows(); }
    void aHeldBackPaymentIsNamed()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addPayment(*db, 3, 2, {{2, Money::fromCents(500)}});
        db->exec(QStringLiteral("UPDATE ARPmt SET PaymentID = 0 WHERE PaymentID = 3"));
        db->exec(QStringLiteral("UPDATE ARInvPmt SET PaymentID = 0 WHERE PaymentID = 3"));
        TfrmARPaymentsPost dialog(*db);
        QCOMPARE(messagesOnOk(dialog),
                 QStringList({QStringLiteral(
                     "Cheque 'C2' was not posted: invoice '10002' no longer owes what its "
                     "discount or write-off settles.\nOpen the payment and correct it.")}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(postedPayments(*db), QList<qint64>({0, 1}));
    }

    void refusedWhileAPaymentWindowIsOpenOrATableIsHeld_data() { testdb::addEngineRows(); }
    void refusedWhileAPaymentWindowIsOpenOrATableIsHeld()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        {
            std::optional<OpenPaymentWindow> paymentWindow;
            paymentWindow.emplace();
            QVERIFY(paymentWindowOpen());
            TfrmARPaymentsPost dialog(*db);
            QCOMPARE(messagesOnOk(dialog),
                     QStringList({QStringLiteral(
                         "A conflicting program is running...\nPlease close 'AR Payment' form")}));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
            paymentWindow.reset();
            QVERIFY(!paymentWindowOpen());
        }
        QCOMPARE(postedPayments(*db), QList<qint64>());

        auto other = testdb::reopen(*db);
        QVERIFY(other->tryLockTable(QStringLiteral("CBalance")));
        TfrmARPaymentsPost dialog(*db);
        checkHeldBalancesCancel(dialog);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(postedPayments(*db), QList<qint64>());
        QVERIFY(other->tryLockTable(QStringLiteral("ARPmt"))); // given back
    }
};

QTEST_MAIN(TestPaymentsPostDialog)
#include "test_paymentspostdialog.moc"

// tallywick post invoices and post payments, run as a bookkeeper would on a month of a small
// sample program: what they say and exit with when nothing waits, when a table is held by
// another workstation (with and without an answer), and when they post; the balances then
// agree with the posted invoices. A payment held back makes the command fail, naming it.
// The posting rules are tested on both engines in tests/receivables; the command works on the
// embedded database.
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPostCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun post(const QStringList& more = {})
    {
        return month_.onData(QStringList{QStringLiteral("post"), QStringLiteral("invoices")} +
                             more);
    }
    std::unique_ptr<Database> open() { return month_.open(); }
    qint64 number(const QString& sql) { return month_.number(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")) > 3);
    }

    // Before anything is printed there is nothing to post, which is no failure.
    void nothingPrintedIsNothingToPost()
    {
        const ProgramRun run = post();
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), QStringLiteral("0 printed invoice(s) to be posted"));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true")), 0);
        QCOMPARE(post({QStringLiteral("--maybe")}).exitCode, 2);
    }

    // A balance table another workstation holds: without an answer the command refuses to
    // guess, --no gives up; neither posts anything. Once it is free, the printed invoices are
    // posted and the balances are their sums.
    void postsThePrintedInvoices()
    {
        auto db = open();
        db->exec(QStringLiteral("UPDATE ARInv SET Printed = true WHERE ARInvoiceID IN (SELECT "
                                "ARInvoiceID FROM ARInv ORDER BY ARInvoiceID LIMIT 3)"));
        const QString question = QStringLiteral(
            "Unable to lock Customer Balance table... this table is being updated by another job.");
        QVERIFY(db->tryLockTable(QStringLiteral("CBalance")));
        const ProgramRun unanswered = post();
        QCOMPARE(unanswered.exitCode, 1);
        QVERIFY2(unanswered.err.contains(question + "\nAnswer with --yes or --no."),
                 qPrintable(unanswered.err));
        const ProgramRun declined = post({QStringLiteral("--no")});
        QCOMPARE(declined.exitCode, 1);
        QVERIFY2(declined.err.contains(question), qPrintable(declined.err));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true")), 0);
        db->unlockTable(QStringLiteral("CBalance"));

        const qint64 amount = number(QStringLiteral(
            "SELECT SUM(InvoiceAmount) FROM ARInv WHERE Printed = true AND Posted = false"));
        const ProgramRun run = post({QStringLiteral("--yes")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.startsWith(QStringLiteral("3 printed invoice(s) to be posted\nPosted 3 "
                                                   "invoice(s), ")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral(" added to the customers' balances.")));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true")), 3);
        QCOMPARE(number(QStringLiteral("SELECT SUM(Balance) FROM CBalance")), amount);
        QCOMPARE(number(QStringLiteral(
                     "SELECT COUNT(*) FROM Customer C WHERE COALESCE((SELECT SUM(Balance) FROM "
                     "CBalance B WHERE B.CustomerID = C.CustomerID), 0) <> COALESCE((SELECT "
                     "SUM(Owing) FROM ARInv I WHERE I.CustomerID = C.CustomerID AND I.Posted = "
                     "true), 0)")),
                 0);

        const ProgramRun again = post();
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out.trimmed(), QStringLiteral("0 printed invoice(s) to be posted"));
    }

    // Two cheques on one posted invoice: the plain one is posted, the one whose discount was
    // entered to settle the invoice before it is held back and named, and the command fails so
    // that a script notices.
    void postsThePaymentsAndNamesOneHeldBack()
    {
        auto db = open();
        db->exec(QStringLiteral("UPDATE ARInv SET Printed = true WHERE ARInvoiceID IN (SELECT "
                                "ARInvoiceID FROM ARInv ORDER BY ARInvoiceID LIMIT 3)"));
        QCOMPARE(post({QStringLiteral("--yes")}).exitCode, 0);
        const qint64 invoice = number(QStringLiteral(
            "SELECT MIN(ARInvoiceID) FROM ARInv WHERE Posted = true AND Owing > 10100"));
        QVERIFY2(invoice >= 0, "no posted invoice owes more than 1.01"); // keys start at 0
        const qint64 owing =
            number(QStringLiteral("SELECT Owing FROM ARInv WHERE ARInvoiceID = %1").arg(invoice));
        const qint64 balanceBefore = number(QStringLiteral("SELECT SUM(Balance) FROM CBalance"));
        db->exec(QStringLiteral("INSERT INTO ARPmt (PaymentID, ChequeNo, CustomerID, Posted) "
                                "SELECT N, 'T' || N, CustomerID, false FROM ARInv, (SELECT 901 "
                                "AS N UNION ALL SELECT 902) Cheques WHERE ARInvoiceID = %1")
                     .arg(invoice));
        db->exec(QStringLiteral("INSERT INTO ARInvPmt (ARInvoiceID, PaymentID, Seq, "
                                "PaymentAmount, DiscTakenAmount) VALUES (%1, 901, 1, 10000, "
                                "NULL), (%1, 902, 1, %2, 100)")
                     .arg(invoice)
                     .arg(owing - 100));

        const ProgramRun run = month_.onData(
            {QStringLiteral("post"), QStringLiteral("payments"), QStringLiteral("--yes")});
        QCOMPARE(run.exitCode, 1);
        const QStringList out = run.out.split('\n');
        QCOMPARE(out.size(), 4);
        QCOMPARE(out[0], QStringLiteral("2 payment(s) to be posted"));
        QVERIFY2(out[1].startsWith(QStringLiteral("Posted 1 payment(s), ")) &&
                     out[1].endsWith(QStringLiteral("1.00 taken off the customers' balances.")),
                 qPrintable(out[1]));
        QCOMPARE(out[2],
                 QStringLiteral("1 payment(s) stay unposted; post again once they are put right."));
        QVERIFY2(run.err.contains(QStringLiteral("Cheque 'T902' was not posted: invoice '")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("Open the payment and correct it.")),
                 qPrintable(run.err));
        QCOMPARE(number(QStringLiteral("SELECT SUM(Balance) FROM CBalance")),
                 balanceBefore - 10000);
        QCOMPARE(
            number(QStringLiteral("SELECT Owing FROM ARInv WHERE ARInvoiceID = %1").arg(invoice)),
            owing - 10000);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARPmt WHERE Posted = true")), 1);

        QCOMPARE(month_
                     .onData({QStringLiteral("post"), QStringLiteral("payments"),
                              QStringLiteral("--maybe")})
                     .exitCode,
                 2);
    }
};

QTEST_GUILESS_MAIN(TestPostCommand)
#include "test_postcommand.moc"

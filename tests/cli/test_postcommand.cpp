// tallywick post invoices, run as a bookkeeper would on a month of a small sample program: what
// it says and exits with when nothing waits, when a table is held by another workstation (with
// and without an answer), and when it posts; the balances then agree with the posted invoices.
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
};

QTEST_GUILESS_MAIN(TestPostCommand)
#include "test_postcommand.moc"

// tallywick reset-balances on a generated sample month: wrong words refused with the usage and
// nothing changed, No changing nothing, and each reset leaving books that tie, with what it
// cleared told by tallywick check as notices. The rules are tested on both engines in
// tests/close; the command works on the embedded database here.
#include "engine/database.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QTest>

class TestResetCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun reset(const QStringList& args) const
    {
        return month_.onData(QStringList{QStringLiteral("reset-balances")} + args);
    }
    qint64 owed() const
    {
        return month_.number(QStringLiteral("SELECT COALESCE(SUM(Owing), 0) FROM ARInv"));
    }
    qint64 balances() const
    {
        return month_.number(QStringLiteral("SELECT COALESCE(SUM(Balance), 0) FROM CBalance"));
    }
    void verifyTie() const
    {
        const ProgramRun check = month_.onData({QStringLiteral("check")});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        QVERIFY2(check.out.contains(QStringLiteral("The books tie.\n")), qPrintable(check.out));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(30);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Posted invoices, so that balances have something to clear.
        month_.open()->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        const ProgramRun post = month_.onData(
            {QStringLiteral("post"), QStringLiteral("invoices"), QStringLiteral("--yes")});
        QVERIFY2(post.exitCode == 0, qPrintable(post.err));
    }

    void refusedDeclinedAndDone()
    {
        const qint64 owedBefore = owed();
        QVERIFY(owedBefore > 0);
        QVERIFY(balances() > 0);
        for (const QStringList& wrong :
             {QStringList{}, QStringList{QStringLiteral("--option"), QStringLiteral("5")},
              QStringList{QStringLiteral("--option"), QStringLiteral("x")},
              QStringList{QStringLiteral("--option"), QStringLiteral("3")},
              QStringList{QStringLiteral("--option"), QStringLiteral("4"),
                          QStringLiteral("--customer"), QStringLiteral("1001")}}) {
            const ProgramRun run = reset(wrong);
            QVERIFY2(run.exitCode == 2, qPrintable(wrong.join(' ') + ": " + run.err));
            QVERIFY(run.err.contains(QStringLiteral("Usage: tallywick reset-balances")));
        }
        const ProgramRun unknown =
            reset({QStringLiteral("--option"), QStringLiteral("3"), QStringLiteral("--customer"),
                   QStringLiteral("nobody"), QStringLiteral("--yes")});
        QCOMPARE(unknown.exitCode, 1);

        const ProgramRun declined =
            reset({QStringLiteral("--option"), QStringLiteral("4"), QStringLiteral("--no")});
        QVERIFY2(declined.exitCode == 0, qPrintable(declined.err));
        QVERIFY2(declined.out.contains(QStringLiteral("Nothing was reset.")),
                 qPrintable(declined.out));
        QCOMPARE(owed(), owedBefore);

        for (const char* option : {"2", "0", "1", "4"}) {
            const ProgramRun done =
                reset({QStringLiteral("--option"), QLatin1String(option), QStringLiteral("--yes")});
            QVERIFY2(done.exitCode == 0, qPrintable(done.out + done.err));
            QVERIFY2(done.out.contains(QStringLiteral("Successfully reset the selected balances.")),
                     qPrintable(done.out));
            verifyTie();
        }
        QCOMPARE(owed(), 0);
        QCOMPARE(balances(), 0);
        const ProgramRun check = month_.onData({QStringLiteral("check")});
        QVERIFY2(check.out.contains(QStringLiteral("Notices:\n")), qPrintable(check.out));
        QVERIFY2(check.out.contains(QStringLiteral("cleared by a balance reset\n")),
                 qPrintable(check.out));
    }
};

QTEST_GUILESS_MAIN(TestResetCommand)
#include "test_resetcommand.moc"

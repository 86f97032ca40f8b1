// tallywick sync, run as a user would run it: what it prints, where, and its exit status.
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "programrun.h"
#include "syncfixture.h"
#include "testdatabases.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace
{

using Run = ProgramRun;

Run tallywick(const QStringList& args)
{
    return runProgram(QStringLiteral(TALLYWICK_PATH), args);
}

} // namespace

class TestSyncCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir scratch_;

private Q_SLOTS:
    void synchronizesADemoProgram()
    {
        const QString folder = QDir(scratch_.path()).filePath(QStringLiteral("meals"));
        const Run demo = tallywick(
            {QStringLiteral("demo"), folder, QStringLiteral("--clients"), QStringLiteral("40")});
        QVERIFY2(demo.exitCode == 0, qPrintable(demo.err));

        for (const QString& what : {QStringLiteral("customers"), QStringLiteral("items")}) {
            const Run sync =
                tallywick({QStringLiteral("--data"), folder, QStringLiteral("sync"), what});
            QCOMPARE(sync.exitCode, 0);
            QCOMPARE(sync.out, QStringLiteral("Succesfully completed the synchronization.\n"));
            QCOMPARE(sync.err, QString()); // no progress line: standard error is no terminal
        }

        auto db = Database::open(
            ConnectionParams::sqlite(QDir(folder).filePath(QStringLiteral("Hearthtable.db"))));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE"
                                                    " CustomerType = 'C'")),
                 testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Clients WHERE"
                                                    " Client_ID IS NOT NULL")));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Item")),
                 12 + 2 * testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Items")));
    }

    void refusesWhatItCannotDo()
    {
        const Run noWhat =
            tallywick({QStringLiteral("--data"), scratch_.path(), QStringLiteral("sync")});
        QCOMPARE(noWhat.exitCode, 2);
        QCOMPARE(noWhat.err, QStringLiteral("Usage: tallywick sync customers|items\n"));
        const Run twoWhats =
            tallywick({QStringLiteral("--data"), scratch_.path(), QStringLiteral("sync"),
                       QStringLiteral("customers"), QStringLiteral("items")});
        QCOMPARE(twoWhats.exitCode, 2);

        // A folder without the host's tables: the module's start fails and says why.
        const QString empty = QDir(scratch_.path()).filePath(QStringLiteral("empty"));
        QVERIFY(QDir().mkpath(empty));
        const Run noHost = tallywick(
            {QStringLiteral("--data"), empty, QStringLiteral("sync"), QStringLiteral("items")});
        QCOMPARE(noHost.exitCode, 1);
        QCOMPARE(noHost.out, QString());
        QVERIFY2(noHost.err.contains(QStringLiteral("Config")), qPrintable(noHost.err));
    }

    void errorOfTheRunIsReportedAsFailure()
    {
        const QString folder = QDir(scratch_.path()).filePath(QStringLiteral("broken"));
        QVERIFY(tallywick({QStringLiteral("demo"), folder}).exitCode == 0);
        QVERIFY(tallywick({QStringLiteral("--data"), folder, QStringLiteral("init")}).exitCode ==
                0);
        {
            // A counter that points at a seeded item: the engine refuses the duplicate key.
            auto db = Database::open(
                ConnectionParams::sqlite(QDir(folder).filePath(QStringLiteral("Hearthtable.db"))));
            db->exec(QStringLiteral("UPDATE ItemCtl SET NextItemID = 1"));
        }
        const Run sync = tallywick(
            {QStringLiteral("--data"), folder, QStringLiteral("sync"), QStringLiteral("items")});
        QCOMPARE(sync.exitCode, 1);
        QVERIFY(!sync.out.contains(QStringLiteral("Succesfully")));
        QVERIFY(!sync.err.isEmpty());
    }
};

QTEST_MAIN(TestSyncCommand)
#include "test_synccommand.moc"

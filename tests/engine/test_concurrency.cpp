// What two workstations see of each other: whole-table locks and numbers drawn from the
// control tables.
#include "engine/controlrow.h"
#include "engine/database.h"
#include "engine/savepoint.h"
#include "engine/tablelock.h"
#include "engine/transaction.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QProcess>
#include <QSet>
#include <QTest>

namespace
{

const QString kQuestion =
    QStringLiteral("Unable to lock Invoices table... this table is being updated by another job.");

void makeCounterTable(Database& db)
{
    db.exec(QStringLiteral("CREATE TABLE ARInvCtl (NextInvoiceID INTEGER, NextInvoiceNo INTEGER)"));
}

// A workstation that gives up on a lock quickly, so the tests need not wait the full tries.
std::unique_ptr<Database> impatient(const ConnectionParams& params)
{
    ConnectionParams quick = params;
    quick.lockRetry = {2, 10};
    return Database::open(quick);
}

qint64 drawInvoiceNo(Database& db)
{
    qint64 drawn = 0;
    editControlRow(db, QStringLiteral("ARInvCtl"), [&](ControlRow& row) {
        drawn = row.integer(QStringLiteral("NextInvoiceNo")).value_or(1);
        row.set(QStringLiteral("NextInvoiceNo"), drawn + 1);
    });
    return drawn;
}

} // namespace

class TestConcurrency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tableLockIsSeenByOthers_data() { testdb::addEngineRows(); }
    void tableLockIsSeenByOthers()
    {
        QFETCH(QString, engine);
        auto first = testdb::fresh(engine);
        auto second = impatient(first->params());
        ScriptedDialogs quiet;
        {
            TableLock held(*first, QStringLiteral("ARInv"), quiet, kQuestion);
            QVERIFY(!second->tryLockTable(QStringLiteral("ARInv")));
            QVERIFY(second->tryLockTable(QStringLiteral("CBalance"))); // other tables stay free
            second->unlockTable(QStringLiteral("CBalance"));

            ScriptedDialogs dialogs({Dialogs::Retry, Dialogs::Cancel});
            try {
                TableLock refused(*second, QStringLiteral("arinv"), dialogs, kQuestion);
                QFAIL("two workstations held the same table lock");
            } catch (const LockError& e) {
                QCOMPARE(e.message(), kQuestion);
            }
            QCOMPARE(dialogs.texts(), (QStringList{kQuestion, kQuestion}));
            QCOMPARE(dialogs.shown()[0].buttons,
                     Dialogs::Buttons(Dialogs::Retry | Dialogs::Cancel));
        }
        QVERIFY(second->tryLockTable(QStringLiteral("ARInv"))); // released with the guard
        second->unlockTable(QStringLiteral("ARInv"));
    }

    void lockDiesWithItsHolder_data() { testdb::addEngineRows(); }
    void lockDiesWithItsHolder()
    {
        QFETCH(QString, engine);
        auto first = testdb::fresh(engine);
        auto second = impatient(first->params());
        QVERIFY(first->tryLockTable(QStringLiteral("ARPmt")));
        QVERIFY(!second->tryLockTable(QStringLiteral("ARPmt")));
        first.reset(); // the workstation goes away without unlocking
        QVERIFY(second->tryLockTable(QStringLiteral("ARPmt")));
    }

    void lockHeldElsewhereIsGivenUpWithTheEnginesMessage_data() { testdb::addEngineRows(); }
    void lockHeldElsewhereIsGivenUpWithTheEnginesMessage()
    {
        QFETCH(QString, engine);
        const ConnectionParams params = testdb::freshParams(engine);
        auto db = impatient(params);
        makeCounterTable(*db);
        db->exec(QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceNo) VALUES (1)"));

        QProcess holder;
        holder.start(
            QStringLiteral(DRAW_NUMBERS_PATH),
            {testdb::childArgument(params), QStringLiteral("hold"), QStringLiteral("ARInvCtl")});
        QVERIFY(holder.waitForReadyRead(60000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        const QString engineText = engine == QLatin1String("sqlite")
                                       ? QStringLiteral("database is locked")
                                       : QStringLiteral("canceling statement due to lock timeout");
        QVERIFY(!db->tryLockTable(QStringLiteral("ARInvCtl")));
        for (int attempt = 0; attempt < 2; ++attempt) { // a refused draw leaves the next one free
            try {
                drawInvoiceNo(*db);
                QFAIL("a number was drawn from a table another workstation holds");
            } catch (const DbError& e) {
                QVERIFY2(e.message().contains(engineText), qPrintable(e.message()));
            }
        }
        // Any other write waits no longer than the tries either.
        try {
            db->exec(QStringLiteral("UPDATE ARInvCtl SET NextInvoiceNo = 50"));
            QFAIL("a row another workstation holds was written");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains(engineText), qPrintable(e.message()));
        }

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(60000));
        QCOMPARE(holder.exitCode(), 0);
        QCOMPARE(drawInvoiceNo(*db), 1); // nothing refused was stored
        QVERIFY(db->tryLockTable(QStringLiteral("ARInvCtl")));
    }

    void controlRowIsMadeWhenMissing_data() { testdb::addEngineRows(); }
    void controlRowIsMadeWhenMissing()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeCounterTable(*db);
        bool sawEmpty = false;
        editControlRow(*db, QStringLiteral("ARInvCtl"), [&](ControlRow& row) {
            sawEmpty = row.wasEmpty();
            QVERIFY(!row.integer(QStringLiteral("NextInvoiceNo")).has_value());
            row.set(QStringLiteral("NextInvoiceNo"), 10002);
        });
        QVERIFY(sawEmpty);
        QCOMPARE(drawInvoiceNo(*db), 10002);
        QCOMPARE(drawInvoiceNo(*db), 10003);
        Statement rows =
            db->query(QStringLiteral("SELECT COUNT(*), MAX(NextInvoiceNo) FROM ARInvCtl"));
        rows.exec();
        QVERIFY(rows.next());
        QCOMPARE(rows.integer(0), 1);
        QCOMPARE(rows.integer(1), 10004);

        // A rule that fails half-way stores nothing.
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            editControlRow(*db, QStringLiteral("ARInvCtl"), [](ControlRow& row) {
                row.set(QStringLiteral("NextInvoiceNo"), 1);
                throw std::runtime_error("refused");
            }));
        QCOMPARE(drawInvoiceNo(*db), 10004);
    }

    // A transaction that draws many numbers locks and reads the row once and writes it once,
    // when it commits; going back to a savepoint, or rolling back, gives numbers back.
    void drawsInOneTransactionTouchTheRowOnce_data() { testdb::addEngineRows(); }
    void drawsInOneTransactionTouchTheRowOnce()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeCounterTable(*db);
        db->exec(QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceNo) VALUES (50)"));
        {
            Transaction tx(*db, Transaction::Mode::Write);
            QCOMPARE(drawInvoiceNo(*db), 50);
            const qint64 statements = db->traffic().statements;
            {
                Savepoint refused(*db);
                QCOMPARE(drawInvoiceNo(*db), 51);
            }
            QCOMPARE(drawInvoiceNo(*db), 51);
            QCOMPARE(db->traffic().statements, statements);
            tx.commit();
        }
        QCOMPARE(drawInvoiceNo(*db), 52);
        {
            Transaction undone(*db, Transaction::Mode::Write);
            QCOMPARE(drawInvoiceNo(*db), 53);
            QCOMPARE(drawInvoiceNo(*db), 54);
        }
        QCOMPARE(drawInvoiceNo(*db), 53);
    }

    void twoWorkstationsNeverDrawTheSameNumber_data() { testdb::addEngineRows(); }
    void twoWorkstationsNeverDrawTheSameNumber()
    {
        QFETCH(QString, engine);
        const ConnectionParams params = testdb::freshParams(engine);
        {
            auto db = Database::open(params);
            makeCounterTable(*db);
            db->exec(QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceNo) VALUES (1)"));
        }
        const int perProcess = 200;
        QProcess a;
        QProcess b;
        const QStringList args{testdb::childArgument(params), QString::number(perProcess),
                               QStringLiteral("ARInvCtl")};
        a.start(QStringLiteral(DRAW_NUMBERS_PATH), args);
        b.start(QStringLiteral(DRAW_NUMBERS_PATH), args);
        QVERIFY(a.waitForFinished(300000));
        QVERIFY(b.waitForFinished(300000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
        QSet<qint64> drawn;
        int lines = 0;
        for (QProcess* p : {&a, &b}) {
            const QList<QByteArray> numbers = p->readAllStandardOutput().split('\n');
            for (const QByteArray& n : numbers) {
                if (n.isEmpty())
                    continue;
                ++lines;
                drawn.insert(n.toLongLong());
            }
        }
        QCOMPARE(lines, 2 * perProcess);
        QCOMPARE(drawn.size(), 2 * perProcess);
        auto db = Database::open(params);
        QCOMPARE(drawInvoiceNo(*db), 2 * perProcess + 1);
    }
};

QTEST_GUILESS_MAIN(TestConcurrency)
#include "test_concurrency.moc"

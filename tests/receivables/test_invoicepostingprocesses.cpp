// Posting by separate programs: two workstations posting the same invoices at once post each
// one exactly once, and a workstation killed at any moment of a pass never leaves a balance
// that disagrees with its customer's posted invoices.
#include "engine/database.h"
#include "postingfixture.h"
#include "testdatabases.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using namespace postingfixture;

namespace
{

constexpr int kCustomers = 40;

ConnectionParams ledgerWithPrintedInvoices(const QString& engine, int invoices)
{
    const ConnectionParams params = testdb::freshParams(engine);
    auto db = Database::open(params);
    create(*db);
    for (qint64 c = 1; c <= kCustomers; ++c)
        addCustomer(*db, c, c % 2 ? kDollars : kCanadian,
                    c % 3 ? std::optional<Money>(Money{}) : std::nullopt);
    addPrintedInvoices(*db, 1, invoices, kCustomers);
    return params;
}

QStringList postArgs(const ConnectionParams& params, int pauseMs = 0)
{
    QStringList args{testdb::childArgument(params)};
    if (pauseMs > 0)
        args << QStringLiteral("--slow") << QString::number(pauseMs);
    return args;
}

qint64 postedCount(Database& db)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true"));
}

} // namespace

class TestInvoicePostingProcesses : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoWorkstationsPostTheSameInvoices_data() { testdb::addEngineRows(); }
    void twoWorkstationsPostTheSameInvoices()
    {
        QFETCH(QString, engine);
        const int invoices = 3000;
        const ConnectionParams params = ledgerWithPrintedInvoices(engine, invoices);
        auto db = Database::open(params);
        const qint64 owedBefore = count(*db, QStringLiteral("SELECT SUM(Owing) FROM ARInv")) +
                                  count(*db, QStringLiteral("SELECT SUM(Balance) FROM CBalance"));

        QProcess a;
        QProcess b;
        a.start(QStringLiteral(POST_INVOICES_PATH), postArgs(params));
        b.start(QStringLiteral(POST_INVOICES_PATH), postArgs(params));
        QVERIFY(a.waitForFinished(300000));
        QVERIFY(b.waitForFinished(300000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
        const int byA = a.readAllStandardOutput().trimmed().toInt();
        const int byB = b.readAllStandardOutput().trimmed().toInt();
        QCOMPARE(byA + byB, invoices);

        QCOMPARE(postedCount(*db), invoices);
        QCOMPARE(untiedBalances(*db), 0);
        QCOMPARE(count(*db, QStringLiteral("SELECT SUM(Balance) FROM CBalance")), owedBefore);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance")), kCustomers);
    }

    void killedWorkstationLeavesBalancesTied_data() { testdb::addEngineRows(); }
    void killedWorkstationLeavesBalancesTied()
    {
        QFETCH(QString, engine);
        const int invoices = 5000;
        const ConnectionParams params = ledgerWithPrintedInvoices(engine, invoices);
        auto db = Database::open(params);
        int midPass = 0;
        for (int round = 0; round < 20; ++round) {
            // Each round starts from nothing posted, balances as the posted invoices say.
            db->exec(QStringLiteral("UPDATE ARInv SET Posted = false, ExchangeRate = NULL"));
            db->exec(QStringLiteral("DELETE FROM CBalance"));
            QProcess poster;
            poster.start(QStringLiteral(POST_INVOICES_PATH), postArgs(params, 15));
            QVERIFY(poster.waitForStarted());
            QTest::qWait(int(QRandomGenerator::global()->bounded(20, 250)));
            if (poster.state() != QProcess::NotRunning) {
                poster.kill(); // SIGKILL: no clean-up of any kind
                QVERIFY(poster.waitForFinished(60000));
            }

            const qint64 done = postedCount(*db);
            if (done > 0 && done < invoices)
                ++midPass;
            QVERIFY2(untiedBalances(*db) == 0,
                     qPrintable(QStringLiteral("round %1, %2 posted").arg(round).arg(done)));
            // Every posted invoice carries its rate, every unposted one none.
            QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE (Posted = true) "
                                               "<> (ExchangeRate IS NOT NULL)")),
                     0);
        }
        qInfo("%d of 20 rounds stopped in the middle of a pass", midPass);
        QVERIFY2(midPass > 0, "no round was stopped in the middle of a pass");

        QProcess finish;
        finish.start(QStringLiteral(POST_INVOICES_PATH), postArgs(params));
        QVERIFY(finish.waitForFinished(300000));
        QVERIFY2(finish.exitCode() == 0, finish.readAllStandardError().constData());
        QCOMPARE(postedCount(*db), invoices);
        QCOMPARE(untiedBalances(*db), 0);
    }
};

QTEST_GUILESS_MAIN(TestInvoicePostingProcesses)
#include "test_invoicepostingprocesses.moc"

// Payment posting by separate programs: two workstations posting the same payments at once post
// each one exactly once, and a workstation killed at any moment of a pass never leaves an
// invoice or a balance that disagrees with the posted payments.
#include "engine/database.h"
#include "paymentledger.h"
#include "testdatabases.h"
#include "workstationprocesses.h"

#include <QTest>

using namespace paymentledger;

namespace
{

constexpr int kCustomers = 40;

ConnectionParams ledgerWithPayments(const QString& engine, int payments)
{
    const ConnectionParams params = testdb::freshParams(engine);
    auto db = Database::open(params);
    paymentledger::create(*db);
    for (qint64 c = 1; c <= kCustomers; ++c)
        addCustomer(*db, c, c % 2 ? kDollars : kCanadian);
    addPaymentLedger(*db, payments, kCustomers);
    return params;
}

qint64 postedCount(Database& db)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ARPmt WHERE Posted = true"));
}

qint64 owedInAll(Database& db)
{
    return count(db, QStringLiteral("SELECT SUM(Balance) FROM CBalance"));
}

} // namespace

class TestPaymentPostingProcesses : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoWorkstationsPostTheSamePayments_data() { testdb::addEngineRows(); }
    void twoWorkstationsPostTheSamePayments()
    {
        QFETCH(QString, engine);
        const int payments = 3000;
        const ConnectionParams params = ledgerWithPayments(engine, payments);
        auto db = Database::open(params);
        const qint64 paid =
            count(*db, QStringLiteral("SELECT SUM(COALESCE(PaymentAmount, 0) + "
                                      "COALESCE(DiscTakenAmount, 0) + COALESCE(WriteOffAmount, "
                                      "0)) FROM ARInvPmt"));
        const qint64 owedBefore = owedInAll(*db);

        const auto [a, b] =
            workstations::postOnTwoAtOnce(QStringLiteral(POST_PAYMENTS_PATH), params);
        QVERIFY2(a.ok, a.errors.constData());
        QVERIFY2(b.ok, b.errors.constData());
        QCOMPARE(a.posted + b.posted, payments);

        QCOMPARE(postedCount(*db), payments);
        QCOMPARE(untiedBooks(*db).join('\n'), QString());
        QCOMPARE(owedInAll(*db), owedBefore - paid);
    }

    void killedWorkstationLeavesBooksTied_data() { testdb::addEngineRows(); }
    void killedWorkstationLeavesBooksTied()
    {
        QFETCH(QString, engine);
        const int payments = 5000;
        const ConnectionParams params = ledgerWithPayments(engine, payments);
        auto db = Database::open(params);
        int midPass = 0;
        for (int round = 0; round < 20; ++round) {
            unpostPayments(*db);
            // A pass takes a few hundred milliseconds; most kills fall inside it.
            QVERIFY(workstations::postAndKill(QStringLiteral(POST_PAYMENTS_PATH), params, 30, 500));

            const qint64 done = postedCount(*db);
            if (done > 0 && done < payments)
                ++midPass;
            const QStringList untied = untiedBooks(*db);
            QVERIFY2(untied.isEmpty(), qPrintable(QStringLiteral("round %1, %2 posted: %3")
                                                      .arg(round)
                                                      .arg(done)
                                                      .arg(untied.value(0))));
        }
        qInfo("%d of 20 rounds stopped in the middle of a pass", midPass);
        QVERIFY2(midPass > 0, "no round was stopped in the middle of a pass");

        const workstations::Finished rest =
            workstations::postToTheEnd(QStringLiteral(POST_PAYMENTS_PATH), params);
        QVERIFY2(rest.ok, rest.errors.constData());
        QCOMPARE(postedCount(*db), payments);
        QCOMPARE(untiedBooks(*db).join('\n'), QString());
    }
};

QTEST_GUILESS_MAIN(TestPaymentPostingProcesses)
#include "test_paymentpostingprocesses.moc"

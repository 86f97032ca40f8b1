// Posting by separate programs: two workstations posting the same invoices at once post each
// one exactly once, and a workstation killed at any moment of a pass never leaves a balance
// that disagrees with its customer's posted invoices.
#include "engine/database.h"
#include "postingfixture.h"
#include "testdatabases.h"
#include "workstationprocesses.h"

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

        const auto [a, b] =
            workstations::postOnTwoAtOnce(QStringLiteral(POST_INVOICES_PATH), params);
        QVERIFY2(a.ok, a.errors.constData());
        QVERIFY2(b.ok, b.errors.constData());
        QCOMPARE(a.posted + b.posted, invoices);

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
            QVERIFY(workstations::postAndKill(QStringLiteral(POST_INVOICES_PATH), params, 15, 250));

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

        const workstations::Finished rest =
            workstations::postToTheEnd(QStringLiteral(POST_INVOICES_PATH), params);
        QVERIFY2(rest.ok, rest.errors.constData());
        QCOMPARE(postedCount(*db), invoices);
        QCOMPARE(untiedBalances(*db), 0);
    }
};

QTEST_GUILESS_MAIN(TestInvoicePostingProcesses)
#include "test_invoicepostingprocesses.moc"

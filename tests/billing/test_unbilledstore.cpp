// The last run's unbilled meal credits kept per user, on both engines.

#include "billing/unbilledstore.h"
#include "engine/database.h"
#include "testdatabases.h"

#include <QSet>
#include <QTest>

using namespace billing;

class TestUnbilledStore : public QObject
{
    Q_OBJECT

    static UnbilledDelivery delivery(const QString& clientId, UnbilledReason reason,
                                     std::optional<Money> amount)
    {
        UnbilledDelivery d;
        d.clientId = clientId;
        d.personId = 17;
        d.clientName = QStringLiteral("O'Brien, Mary");
        d.deliveryDate = QDate(2001, 8, 31);
        d.itemId = 4;
        d.mealItem = QStringLiteral("Hot lunch");
        d.fundingCode = QStringLiteral("TITLE3");
        d.funderName = QStringLiteral("County Aging");
        d.quantity = 2;
        d.reason = reason;
        d.detail = QStringLiteral("Price row 3 of item \"Hot lunch\" is 0");
        d.wouldHaveBilled = amount;
        return d;
    }

    static UnbilledRun run(const QString& user, QList<UnbilledDelivery> deliveries)
    {
        return {user,
                QDateTime(QDate(2001, 9, 1), QTime(9, 30)),
                false,
                {QDate(2001, 8, 1), QDate(2001, 8, 31)},
                std::move(deliveries)};
    }

private Q_SLOTS:
    void reasonCodesAreFixedAndDistinct()
    {
        QSet<QString> codes;
        for (UnbilledReason reason : allUnbilledReasons()) {
            const QString code = unbilledReasonCode(reason);
            QCOMPARE(unbilledReasonFromCode(code), reason);
            QVERIFY(!unbilledReasonText(reason).isEmpty());
            codes << code;
        }
        QCOMPARE(codes.size(), allUnbilledReasons().size());
        QCOMPARE(unbilledReasonCode(UnbilledReason::ZeroPriceEnded), QStringLiteral("ZERO_PRICE"));
        QVERIFY(!unbilledReasonFromCode(QStringLiteral("zero_price")));
    }

    void aRunComesBackAsKept_data() { testdb::addEngineRows(); }
    void aRunComesBackAsKept()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        QVERIFY(!lastUnbilledRun(*db, QStringLiteral("ann")));

        const UnbilledRun kept =
            run(QStringLiteral("ann"),
                {delivery(QStringLiteral("C1"), UnbilledReason::ZeroPriceEnded, std::nullopt),
                 delivery(QStringLiteral("C2"), UnbilledReason::LeftOutByPayers,
                          Money::fromCents(1250)),
                 delivery(QStringLiteral("C1"), UnbilledReason::ExcludedByFilter,
                          Money::fromCents(0))});
        keepUnbilledRun(*db, kept);
        const auto back = lastUnbilledRun(*db, QStringLiteral("ann"));
        QVERIFY(back);
        QCOMPARE(back->ranAt, kept.ranAt);
        QCOMPARE(back->period.start, kept.period.start);
        QCOMPARE(back->period.end, kept.period.end);
        QCOMPARE(back->preview, false);
        QCOMPARE(back->deliveries, kept.deliveries); // order, a missing amount and 0 kept apart
    }

    // A new run of a user replaces that user's last run whole, a preview and an empty run too,
    // and leaves other users' runs alone.
    void aNewRunReplacesOnlyTheSameUsers_data() { testdb::addEngineRows(); }
    void aNewRunReplacesOnlyTheSameUsers()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        keepUnbilledRun(*db, run(QStringLiteral("ann"),
                                 {delivery(QStringLiteral("C1"), UnbilledReason::NoPrice, {}),
                                  delivery(QStringLiteral("C2"), UnbilledReason::NoPrice, {})}));
        keepUnbilledRun(*db, run(QStringLiteral("bob"),
                                 {delivery(QStringLiteral("C3"), UnbilledReason::NoArItem, {})}));

        UnbilledRun preview = run(QStringLiteral("ann"), {});
        preview.preview = true;
        keepUnbilledRun(*db, preview);

        const auto ann = lastUnbilledRun(*db, QStringLiteral("ann"));
        QVERIFY(ann);
        QVERIFY(ann->preview);
        QVERIFY(ann->deliveries.isEmpty());
        const auto bob = lastUnbilledRun(*db, QStringLiteral("bob"));
        QVERIFY(bob);
        QCOMPARE(bob->deliveries.size(), 1);
        QCOMPARE(bob->deliveries[0].clientId, QStringLiteral("C3"));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARUnbilledRun")), 2);

        // A list that cannot be read back counts as no run, rather than a wrong one.
        db->exec(QStringLiteral("UPDATE ARUnbilledRun SET Deliveries = NULL WHERE UserName = "
                                "'bob'"));
        QVERIFY(!lastUnbilledRun(*db, QStringLiteral("bob")));
        QVERIFY(lastUnbilledRun(*db, QStringLiteral("ann")));
    }
};

QTEST_GUILESS_MAIN(TestUnbilledStore)
#include "test_unbilledstore.moc"

// Rows written in multi-row statements come back exactly as single inserts would leave them;
// units of work written together go whole or not at all.
#include "common/money.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "engine/unitbatch.h"
#include "testdatabases.h"

#include <QTest>

namespace
{

TableDef parcels()
{
    return {QStringLiteral("Parcel"),
            {def::integer(QStringLiteral("Parcel_ID")), def::string(QStringLiteral("Label"), 10),
             def::fixedChar(QStringLiteral("Kind"), 2), def::date(QStringLiteral("Sent")),
             def::boolean(QStringLiteral("Fragile")), def::decimal(QStringLiteral("Charge")),
             def::floating(QStringLiteral("Weight")), def::string(QStringLiteral("User"), 30)},
            {def::primary({QStringLiteral("Parcel_ID")})}};
}

const QStringList kAllFields = {QStringLiteral("Parcel_ID"), QStringLiteral("Label"),
                                QStringLiteral("Kind"),      QStringLiteral("Sent"),
                                QStringLiteral("Fragile"),   QStringLiteral("Charge"),
                                QStringLiteral("Weight"),    QStringLiteral("User")};

const QVariant kNullText = QVariant(QMetaType::fromType<QString>());

qint64 count(Database& db)
{
    Statement s =
        db.query(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(Parcel_ID), 0) FROM Parcel"));
    s.exec();
    s.next();
    return s.integer(0);
}

} // namespace

class TestBatchInsert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Units of work go whole or not at all: a dropped unit leaves nothing, and when the engine
    // refuses a unit's row, the units before it stay, nothing of it or of those after it is
    // written, and its owner may raise an error of its own in place of the engine's.
    void unitsGoWholeOrNotAtAll_data() { testdb::addEngineRows(); }
    void unitsGoWholeOrNotAtAll()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());
        const TableDef labels{
            QStringLiteral("Label"),
            {def::integer(QStringLiteral("Parcel_ID")), def::string(QStringLiteral("Text"), 20)},
            {def::primary({QStringLiteral("Parcel_ID")})}};
        schema::createTable(*db, labels);
        const QStringList idOnly{QStringLiteral("Parcel_ID")};
        const QStringList labelFields{QStringLiteral("Parcel_ID"), QStringLiteral("Text")};
        db->exec(QStringLiteral("INSERT INTO Label (Parcel_ID, Text) VALUES (3, 'taken')"));

        Transaction tx(*db, Transaction::Mode::Write);
        UnitBatch units(*db);
        for (int id = 1; id <= 4; ++id) {
            units.add(parcels(), idOnly, {id});
            units.add(labels, labelFields, {id, QStringLiteral("Box %1").arg(id)});
            if (id == 2) {
                units.dropUnit(); // given up before it was whole
                continue;
            }
            units.endUnit([](const DbError& refused) {
                if (refused.isKeyViolation())
                    throw std::runtime_error("label taken");
            });
        }
        QCOMPARE(units.pendingUnits(), 3);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, units.write());
        QCOMPARE(units.unitsKept(), 1);
        tx.commit();

        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT Parcel_ID FROM Parcel")),
                 QList<qint64>{1});
        QCOMPARE(count(*db), 1);
        // Box 1 and the one already there.
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Label")), 2);
        // The batch is empty again and takes new units.
        Transaction again(*db, Transaction::Mode::Write);
        units.add(parcels(), idOnly, {5});
        units.endUnit();
        units.write();
        QCOMPARE(units.unitsKept(), 1);
        again.commit();
        QCOMPARE(count(*db), 2);
    }

    void valuesComeBackExactly_data() { testdb::addEngineRows(); }
    void valuesComeBackExactly()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());

        // Seven rows, three to a statement: two full statements and a last one of one row.
        BatchInsert batch(*db, parcels(), kAllFields, 3);
        QCOMPARE(batch.rowsPerStatement(), 3);
        const QDate day(2025, 2, 28);
        for (int id = 1; id <= 7; ++id) {
            batch.add({id, QStringLiteral("Box %1").arg(id),
                       id % 2 ? QStringLiteral("B ") : QStringLiteral("MF"), day.addDays(id),
                       id % 3 == 0,
                       Money::fromRaw(12345678 * (id % 2 ? 1 : -1) + id).toPlainString(), id * 0.25,
                       QStringLiteral("clerk%1").arg(id)});
            QCOMPARE(batch.rowsWritten(), qint64(id / 3 * 3));
        }
        batch.add({8, QStringLiteral("A label far longer than ten"), QString(), QDate(), QVariant(),
                   kNullText, QVariant(), QString()});
        batch.finish();
        QCOMPARE(batch.rowsWritten(), qint64(8));

        Statement s = db->query(QStringLiteral("SELECT Parcel_ID, Label, Kind, Sent, Fragile, "
                                               "Charge, Weight, \"User\" FROM Parcel ORDER BY "
                                               "Parcel_ID"));
        s.exec();
        for (int id = 1; id <= 7; ++id) {
            QVERIFY(s.next());
            QCOMPARE(s.integer(0), qint64(id));
            QCOMPARE(s.text(1), QStringLiteral("Box %1").arg(id));
            QCOMPARE(s.text(2), id % 2 ? QStringLiteral("B ") : QStringLiteral("MF"));
            QCOMPARE(s.date(QStringLiteral("Sent")), day.addDays(id));
            QCOMPARE(s.boolean(4), id % 3 == 0);
            QCOMPARE(s.hostMoney(QStringLiteral("Charge")),
                     Money::fromRaw(12345678 * (id % 2 ? 1 : -1) + id));
            QCOMPARE(s.real(QStringLiteral("Weight")), id * 0.25);
            QCOMPARE(s.text(7), QStringLiteral("clerk%1").arg(id));
        }
        QVERIFY(s.next());
        QCOMPARE(s.text(1), QStringLiteral("A label fa")); // cut to the field's size
        for (int column = 2; column <= 7; ++column)
            QVERIFY2(s.isNull(column), qPrintable(QString::number(column))); // empty is NULL
        QVERIFY(!s.next());
    }

    void batchesOfEveryShape_data() { testdb::addEngineRows(); }
    void batchesOfEveryShape()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());
        const QStringList twoFields = {QStringLiteral("Parcel_ID"), QStringLiteral("Label")};

        {
            BatchInsert none(*db, parcels(), twoFields, 4);
            none.finish();
            none.finish();
            QCOMPARE(none.rowsWritten(), qint64(0));
        }
        QCOMPARE(count(*db), qint64(0));

        {
            // whole batches only: finish() has nothing left to write
            BatchInsert exact(*db, parcels(), twoFields, 4);
            for (int id = 1; id <= 8; ++id)
                exact.add({id, QStringLiteral("x")});
            QCOMPARE(exact.rowsWritten(), qint64(8));
            exact.finish();
            QCOMPARE(exact.rowsWritten(), qint64(8));
        }
        QCOMPARE(count(*db), qint64(8));

        {
            // rows still waiting when the writer goes away unfinished are not written
            BatchInsert abandoned(*db, parcels(), twoFields, 4);
            for (int id = 101; id <= 106; ++id)
                abandoned.add({id, QStringLiteral("y")});
        }
        QCOMPARE(count(*db), qint64(12));
    }

    void staysWithinTheEnginesParameterLimit_data() { testdb::addEngineRows(); }
    void staysWithinTheEnginesParameterLimit()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());
        // 8 values a row: 9000 rows in one statement would be 72,000 values, more than either
        // engine takes.
        BatchInsert batch(*db, parcels(), kAllFields, 9000);
        QVERIFY(batch.rowsPerStatement() * 8 <= db->dialect().parameterLimit());
        QVERIFY(batch.rowsPerStatement() > 1000);
        Transaction transaction(*db);
        for (int id = 1; id <= 9000; ++id)
            batch.add({id, QString::number(id), QStringLiteral("D "), QDate(2025, 1, 1), true,
                       QStringLiteral("1.5000"), 1.0, QStringLiteral("u")});
        batch.finish();
        transaction.commit();
        Statement s = db->query(QStringLiteral("SELECT COUNT(*), SUM(Parcel_ID) FROM Parcel"));
        s.exec();
        QVERIFY(s.next());
        QCOMPARE(s.integer(0), qint64(9000));
        QCOMPARE(s.integer(1), qint64(9000) * 9001 / 2);
    }

    void badRowsAreRefused_data() { testdb::addEngineRows(); }
    void badRowsAreRefused()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, parcels());
        QVERIFY_THROWS_EXCEPTION(DbError, BatchInsert(*db, parcels(), {QStringLiteral("Nope")}));
        QVERIFY_THROWS_EXCEPTION(DbError, BatchInsert(*db, parcels(), {}));

        BatchInsert batch(*db, parcels(), {QStringLiteral("Parcel_ID"), QStringLiteral("Label")},
                          3);
        QVERIFY_THROWS_EXCEPTION(DbError, batch.add({1}));
        QVERIFY_THROWS_EXCEPTION(DbError, batch.add({1, QStringLiteral("a"), QStringLiteral("b")}));

        // A key that repeats fails the statement it is in; the unit of work around it is undone.
        {
            Transaction transaction(*db);
            batch.add({1, QStringLiteral("first")});
            batch.add({2, QStringLiteral("second")});
            try {
                batch.add({1, QStringLiteral("again")});
                QFAIL("a repeated key was accepted");
            } catch (const DbError& e) {
                QVERIFY2(e.isKeyViolation(), qPrintable(e.message()));
            }
        }
        QCOMPARE(count(*db), qint64(0));
        // the failed rows are not sent a second time
        batch.add({3, QStringLiteral("third")});
        batch.finish();
        QCOMPARE(count(*db), qint64(1));
    }
};

QTEST_MAIN(TestBatchInsert)
#include "test_batchinsert.moc"

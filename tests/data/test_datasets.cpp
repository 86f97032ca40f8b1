// Opening, refreshing and closing all the tables or queries that a screen owns at once.
#include "data/datasets.h"
#include "engine/database.h"
#include "testdatabases.h"

#include <QTest>

class TestDatasets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandsReachOnlyTheirKind_data() { testdb::addEngineRows(); }
    void commandsReachOnlyTheirKind()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        db->exec(QStringLiteral("CREATE TABLE Bank (BankID INTEGER, BankName VARCHAR(40))"));
        db->exec(QStringLiteral("INSERT INTO Bank VALUES (1, 'zeta'), (2, 'Alpha')"));
        QObject form;
        auto* banks = new TableDataset(*db, QStringLiteral("Bank"), &form);
        banks->setOrder(db->dialect().nocaseOrder(QStringLiteral("BankName")));
        auto* named = new TableDataset(*db, QStringLiteral("Bank"), &form);
        named->setFilter(QStringLiteral("BankID = 2"));
        auto* count = new QueryDataset(
            *db, QStringLiteral("SELECT COUNT(*) AS N FROM Bank WHERE BankID > :id"), &form);
        count->setParameter(QStringLiteral("id"), 0);

        Tables(QStringLiteral("o"), &form); // commands are one upper-case letter
        Tables(QStringLiteral("X"), &form);
        QVERIFY(!banks->isOpen());

        Tables(QStringLiteral("O"), &form);
        QVERIFY(banks->isOpen());
        QVERIFY(named->isOpen());
        QVERIFY(!count->isOpen());
        QCOMPARE(banks->field(QStringLiteral("BankName")).toString(), QStringLiteral("Alpha"));
        QVERIFY(banks->next());
        QCOMPARE(banks->field(QStringLiteral("BankName")).toString(), QStringLiteral("zeta"));
        QVERIFY(!banks->next());
        QVERIFY(banks->eof());
        QCOMPARE(named->recordCount(), 1);

        DMQueries(QStringLiteral("O"), &form);
        QVERIFY(count->isOpen());
        QCOMPARE(count->field(QStringLiteral("N")).toInt(), 2);

        db->exec(QStringLiteral("INSERT INTO Bank VALUES (3, 'Middle')"));
        QCOMPARE(banks->recordCount(), 2);
        Tables(QStringLiteral("R"), &form);
        QCOMPARE(banks->recordCount(), 3);
        Queries(QStringLiteral("R"), &form);
        QCOMPARE(count->field(QStringLiteral("N")).toInt(), 3);

        DMTables(QStringLiteral("C"), &form);
        QVERIFY(!banks->isOpen());
        QVERIFY(count->isOpen());
        Queries(QStringLiteral("C"), &form);
        QVERIFY(!count->isOpen());
    }
};

QTEST_GUILESS_MAIN(TestDatasets)
#include "test_datasets.moc"

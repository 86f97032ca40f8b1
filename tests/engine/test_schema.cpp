// Tables made from declarations, compared with them, and upgraded keeping their rows.
#include "common/money.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

#include <QTest>

namespace
{

// The layout a table had in an earlier release.
TableDef olderLayout()
{
    TableDef t;
    t.name = QStringLiteral("Invoice");
    t.fields = {
        def::integer(QStringLiteral("InvoiceID")),      def::string(QStringLiteral("InvoiceNo"), 6),
        def::string(QStringLiteral("Description"), 60), def::date(QStringLiteral("InvoiceDate")),
        def::string(QStringLiteral("Retired"), 10),     def::decimal(QStringLiteral("Amount"))};
    t.indexes = {def::primary({QStringLiteral("InvoiceID")}),
                 def::index(QStringLiteral("INVOICENO"), {QStringLiteral("InvoiceNo")}),
                 def::index(QStringLiteral("RETIRED"), {QStringLiteral("Retired")})};
    return t;
}

// Today's declaration: a field added, one dropped, one widened, one narrowed, money as an
// integer count, indexes added and changed.
TableDef currentLayout()
{
    TableDef t;
    t.name = QStringLiteral("Invoice");
    t.fields = {
        def::integer(QStringLiteral("InvoiceID")),     def::string(QStringLiteral("InvoiceNo"), 10),
        def::string(QStringLiteral("Description"), 8), def::date(QStringLiteral("InvoiceDate")),
        def::money(QStringLiteral("Amount")),          def::boolean(QStringLiteral("Posted"))};
    t.indexes = {def::primary({QStringLiteral("InvoiceID")}),
                 def::nocase(QStringLiteral("INVOICENO"), {QStringLiteral("InvoiceNo")}),
                 def::descending(QStringLiteral("INVOICEDATEINVOICENODESC"),
                                 {QStringLiteral("InvoiceDate"), QStringLiteral("InvoiceNo")})};
    return t;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createdTableMatchesItsDeclaration_data() { testdb::addEngineRows(); }
    void createdTableMatchesItsDeclaration()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        const TableDef t = currentLayout();
        QVERIFY(!schema::tableExists(*db, t.name));
        schema::createTable(*db, t);
        QVERIFY(schema::tableExists(*db, t.name));
        QVERIFY(schema::tableExists(*db, t.name.toUpper()));
        QCOMPARE(schema::differences(*db, t), QStringList());

        const TableDef stored = db->dialect().describeTable(*db, t.name);
        QCOMPARE(stored.fields.size(), t.fields.size());
        bool sawNocase = false;
        bool sawDescending = false;
        bool sawPrimary = false;
        for (const IndexDef& i : stored.indexes) {
            sawNocase =
                sawNocase || (i.caseInsensitive &&
                              i.name.compare(QLatin1String("INVOICENO"), Qt::CaseInsensitive) == 0);
            sawDescending = sawDescending || (i.descending && i.fields.size() == 2);
            sawPrimary = sawPrimary || (i.primary && i.name == kPrimaryIndexName);
        }
        QVERIFY(sawNocase);
        QVERIFY(sawDescending);
        QVERIFY(sawPrimary);
    }

    void everyKindOfDifferenceIsSeen_data() { testdb::addEngineRows(); }
    void everyKindOfDifferenceIsSeen()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, olderLayout());
        const QStringList found = schema::differences(*db, currentLayout());
        const QString all = found.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("field 2")), qPrintable(all)); // widened
        QVERIFY2(all.contains(QStringLiteral("field 3")), qPrintable(all)); // narrowed
        QVERIFY2(all.contains(QStringLiteral("field 5")), qPrintable(all)); // Retired became Amount
        QVERIFY2(all.contains(QStringLiteral("declared as Posted BOOLEAN")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("index INVOICENO differs")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("index INVOICEDATEINVOICENODESC missing")),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("not declared")), qPrintable(all));
        // A descending index that lost its order is a difference too.
        TableDef flipped = currentLayout();
        schema::upgradeTable(*db, flipped);
        flipped.indexes[2].descending = false;
        QCOMPARE(schema::differences(*db, flipped).size(), 1);
    }

    void upgradeKeepsEveryRow_data() { testdb::addEngineRows(); }
    void upgradeKeepsEveryRow()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        const TableDef old = olderLayout();
        schema::createTable(*db, old);
        for (int i = 1; i <= 50; ++i) {
            records::insert(
                *db, old,
                {{QStringLiteral("InvoiceID"), i},
                 {QStringLiteral("InvoiceNo"), QString::number(10000 + i)},
                 {QStringLiteral("Description"), QStringLiteral("Meals for March %1").arg(i)},
                 {QStringLiteral("InvoiceDate"), QDate(2026, 3, 1).addDays(i % 28)},
                 {QStringLiteral("Retired"), QStringLiteral("gone")},
                 {QStringLiteral("Amount"), QStringLiteral("%1.2550").arg(i)}});
        }
        const TableDef now = currentLayout();
        schema::upgradeTable(*db, now);
        QCOMPARE(schema::differences(*db, now), QStringList());

        Statement rows = db->query(QStringLiteral("SELECT * FROM Invoice ORDER BY InvoiceID"));
        rows.exec();
        int seen = 0;
        while (rows.next()) {
            ++seen;
            QCOMPARE(rows.integer(QStringLiteral("InvoiceID")), seen);
            QCOMPARE(rows.text(QStringLiteral("InvoiceNo")), QString::number(10000 + seen));
            QCOMPARE(rows.text(QStringLiteral("Description")), QStringLiteral("Meals fo"));
            QCOMPARE(rows.date(QStringLiteral("InvoiceDate")),
                     QDate(2026, 3, 1).addDays(seen % 28));
            QCOMPARE(rows.money(QStringLiteral("Amount")).raw(), qint64(seen) * 10000 + 2550);
            QVERIFY(rows.isNull(QStringLiteral("Posted")));
            QVERIFY(rows.record().indexOf(QStringLiteral("Retired")) < 0);
        }
        QCOMPARE(seen, 50);
        // The rebuilt indexes work: the primary index still refuses a duplicate key.
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 records::insert(*db, now, {{QStringLiteral("InvoiceID"), 1}}));
        // Upgrading a table that already matches changes nothing.
        schema::upgradeTable(*db, now);
        QCOMPARE(schema::differences(*db, now), QStringList());
    }

    void failedUpgradeLeavesTableAsItWas_data() { testdb::addEngineRows(); }
    void failedUpgradeLeavesTableAsItWas()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        const TableDef old = olderLayout();
        schema::createTable(*db, old);
        records::insert(
            *db, old,
            {{QStringLiteral("InvoiceID"), 1}, {QStringLiteral("InvoiceNo"), QStringLiteral("A")}});
        records::insert(
            *db, old,
            {{QStringLiteral("InvoiceID"), 2}, {QStringLiteral("InvoiceNo"), QStringLiteral("A")}});
        TableDef impossible = old;
        impossible.indexes[1].unique = true; // the rows already hold the same number twice
        QVERIFY_THROWS_EXCEPTION(DbError, schema::upgradeTable(*db, impossible));
        QCOMPARE(schema::differences(*db, old), QStringList());
        Statement count = db->query(QStringLiteral("SELECT COUNT(*) FROM Invoice"));
        count.exec();
        QVERIFY(count.next());
        QCOMPARE(count.integer(0), 2);
        QVERIFY(!schema::tableExists(*db, QStringLiteral("Invoice__old")));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"

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

// A table from a release that kept dates, booleans and numbers as text, and money as a
// floating-point number.
TableDef textualLayout()
{
    return {QStringLiteral("Payment"),
            {def::integer(QStringLiteral("PaymentID")), def::string(QStringLiteral("Paid"), 20),
             def::string(QStringLiteral("Entered"), 30), def::string(QStringLiteral("Posted"), 6),
             def::integer(QStringLiteral("Cleared")), def::string(QStringLiteral("Copies"), 12),
             def::floating(QStringLiteral("Amount"))},
            {def::primary({QStringLiteral("PaymentID")}),
             def::index(QStringLiteral("PAID"), {QStringLiteral("Paid")})}};
}

TableDef typedLayout()
{
    return {QStringLiteral("Payment"),
            {def::integer(QStringLiteral("PaymentID")), def::date(QStringLiteral("Paid")),
             def::timestamp(QStringLiteral("Entered")), def::boolean(QStringLiteral("Posted")),
             def::boolean(QStringLiteral("Cleared")), def::integer(QStringLiteral("Copies")),
             def::money(QStringLiteral("Amount"))},
            {def::primary({QStringLiteral("PaymentID")}),
             def::index(QStringLiteral("PAID"), {QStringLiteral("Paid")})}};
}

void insertPayment(Database& db, int id, const QString& paid, const QString& entered,
                   const QString& posted, int cleared, const QString& copies, const QString& amount)
{
    db.exec(QStringLiteral("INSERT INTO Payment VALUES (%1, '%2', '%3', '%4', %5, '%6', %7)")
                .arg(QString::number(id), paid, entered, posted, QString::number(cleared), copies,
                     amount));
}

// Everything a failed upgrade must leave alone: every row as text, the fields and the indexes.
QStringList snapshot(Database& db, const QString& table)
{
    QStringList all;
    Statement rows = db.query(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
    rows.exec();
    while (rows.next()) {
        QStringList row;
        for (int i = 0; i < rows.record().count(); ++i)
            row << (rows.isNull(i) ? QStringLiteral("<null>") : rows.text(i));
        all << row.join(QLatin1Char('|'));
    }
    const TableDef stored = db.dialect().describeTable(db, table);
    for (const FieldDef& f : stored.fields)
        all << QStringLiteral("field %1 %2 %3").arg(f.name).arg(int(f.type)).arg(f.size);
    all << db.dialect().storedIndexNames(db, table);
    return all;
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

    void valuesKeptAsTextTakeTheirDeclaredType_data() { testdb::addEngineRows(); }
    void valuesKeptAsTextTakeTheirDeclaredType()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, textualLayout());
        insertPayment(*db, 1, QStringLiteral("2026-03-01"), QStringLiteral("2026-03-01 09:15:30"),
                      QStringLiteral("true"), 1, QStringLiteral("42"), QStringLiteral("12.255"));
        insertPayment(*db, 2, QStringLiteral(" 2024-02-29 "), QStringLiteral("2026-12-31T23:59"),
                      QStringLiteral("F"), 0, QStringLiteral(" -7 "), QStringLiteral("-0.1"));
        insertPayment(*db, 3, QStringLiteral("2026-03-02 08:00:00"), QStringLiteral("2026-03-02"),
                      QStringLiteral("t"), 1, QStringLiteral("3.0"), QStringLiteral("0"));
        insertPayment(*db, 4, QStringLiteral("2026-03-03"), QStringLiteral("2026-03-03"),
                      QStringLiteral("FALSE"), 0, QStringLiteral("0"), QStringLiteral("1e3"));
        insertPayment(*db, 5, QStringLiteral("2026-03-04"), QStringLiteral("2026-03-04"),
                      QStringLiteral("1"), 1, QStringLiteral("1"), QStringLiteral("-12.255"));
        insertPayment(*db, 6, QStringLiteral("2026-03-05"), QStringLiteral("2026-03-05"),
                      QStringLiteral("0"), 0, QStringLiteral("2"), QStringLiteral("0.0001"));
        insertPayment(*db, 7, QString(), QString(), QString(), 0, QString(),
                      QStringLiteral("NULL"));
        db->exec(QStringLiteral("UPDATE Payment SET Cleared = NULL WHERE PaymentID = 7"));

        schema::upgradeTable(*db, typedLayout());
        QCOMPARE(schema::differences(*db, typedLayout()), QStringList());

        struct Expected {
            QDate paid;
            QDateTime entered;
            bool posted;
            bool cleared;
            qint64 copies;
            qint64 amount;
        };
        const QList<Expected> expected{
            {QDate(2026, 3, 1), QDateTime(QDate(2026, 3, 1), QTime(9, 15, 30)), true, true, 42,
             122550},
            {QDate(2024, 2, 29), QDateTime(QDate(2026, 12, 31), QTime(23, 59)), false, false, -7,
             -1000},
            {QDate(2026, 3, 2), QDateTime(QDate(2026, 3, 2), QTime(0, 0)), true, true, 3, 0},
            {QDate(2026, 3, 3), QDateTime(QDate(2026, 3, 3), QTime(0, 0)), false, false, 0,
             10000000},
            {QDate(2026, 3, 4), QDateTime(QDate(2026, 3, 4), QTime(0, 0)), true, true, 1, -122550},
            {QDate(2026, 3, 5), QDateTime(QDate(2026, 3, 5), QTime(0, 0)), false, false, 2, 1}};
        Statement rows = db->query(QStringLiteral("SELECT * FROM Payment ORDER BY PaymentID"));
        rows.exec();
        for (const Expected& e : expected) {
            QVERIFY(rows.next());
            const QString row = rows.text(QStringLiteral("PaymentID"));
            QVERIFY2(rows.date(QStringLiteral("Paid")) == e.paid, qPrintable(row));
            QVERIFY2(rows.timestamp(QStringLiteral("Entered")) == e.entered, qPrintable(row));
            QVERIFY2(rows.boolean(QStringLiteral("Posted")) == e.posted, qPrintable(row));
            QVERIFY2(rows.boolean(QStringLiteral("Cleared")) == e.cleared, qPrintable(row));
            QCOMPARE(rows.integer(QStringLiteral("Copies")), e.copies);
            QCOMPARE(rows.money(QStringLiteral("Amount")).raw(), e.amount);
        }
        QVERIFY(rows.next()); // empty text and NULL stay empty
        for (const char* field : {"Paid", "Entered", "Posted", "Cleared", "Copies", "Amount"})
            QVERIFY2(rows.isNull(QString::fromLatin1(field)), field);
        QVERIFY(!rows.next());
    }

    void valueTheNewTypeCannotHoldRefusesTheUpgrade_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kind");
        const QList<std::tuple<const char*, int, QString, QString>> cases{
            {"date", 1, QStringLiteral("next week"), QStringLiteral("a date")},
            {"no such day", 1, QStringLiteral("2026-02-30"), QStringLiteral("a date")},
            {"time of day", 2, QStringLiteral("2026-03-01 25:00"),
             QStringLiteral("a date and time")},
            {"boolean", 3, QStringLiteral("maybe"), QStringLiteral("true or false")},
            {"fraction", 5, QStringLiteral("2.5"), QStringLiteral("a whole number")},
            {"too large", 5, QStringLiteral("99999999999"), QStringLiteral("a whole number")},
            {"word", 5, QStringLiteral("two"), QStringLiteral("a whole number")}};
        QStringList engines{QStringLiteral("sqlite")};
        if (testdb::postgresAvailable())
            engines << QStringLiteral("postgres");
        else if (!qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty())
            QFAIL("TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
        for (const QString& engine : engines) {
            for (const auto& [name, field, value, kind] : cases)
                QTest::addRow("%s %s", qPrintable(engine), name)
                    << engine << field << value << kind;
        }
    }
    void valueTheNewTypeCannotHoldRefusesTheUpgrade()
    {
        QFETCH(QString, engine);
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, kind);
        auto db = testdb::fresh(engine);
        schema::createTable(*db, textualLayout());
        insertPayment(*db, 1, QStringLiteral("2026-03-01"), QStringLiteral("2026-03-01"),
                      QStringLiteral("T"), 1, QStringLiteral("1"), QStringLiteral("12.5"));
        QStringList bad{QStringLiteral("2026-03-02"), QStringLiteral("2026-03-02"),
                        QStringLiteral("F"), QStringLiteral("0"), QStringLiteral("2")};
        bad[field - 1] = value;
        insertPayment(*db, 2, bad[0], bad[1], bad[2], bad[3].toInt(), bad[4],
                      QStringLiteral("3.75"));
        const QStringList before = snapshot(*db, QStringLiteral("Payment"));

        const QString fieldName = textualLayout().fields[field].name;
        try {
            schema::upgradeTable(*db, typedLayout());
            QFAIL("the upgrade took a value its new type cannot hold");
        } catch (const DbError& e) {
            QVERIFY2(e.message().startsWith(
                         QStringLiteral("Table Payment cannot be upgraded: field %1 holds \"%2\", "
                                        "which is not %3")
                             .arg(fieldName, value, kind)),
                     qPrintable(e.message()));
        }
        QCOMPARE(snapshot(*db, QStringLiteral("Payment")), before);
        QVERIFY(!schema::tableExists(*db, QStringLiteral("Payment__old")));
        // The table still takes rows and keeps its unique primary index.
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 insertPayment(*db, 1, {}, {}, {}, 0, {}, QStringLiteral("0")));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"

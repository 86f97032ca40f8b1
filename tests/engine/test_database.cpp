// Statements, values and the dialect's pieces of SQL, on each engine.
#include "common/money.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/delimitedexport.h"
#include "engine/recordwriter.h"
#include "engine/savepoint.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

TableDef sampleTable()
{
    TableDef t;
    t.name = QStringLiteral("Sample");
    t.fields = {
        def::integer(QStringLiteral("SampleID")),   def::string(QStringLiteral("Code"), 5),
        def::money(QStringLiteral("Amount")),       def::floating(QStringLiteral("Rate")),
        def::boolean(QStringLiteral("Posted")),     def::date(QStringLiteral("InvoiceDate")),
        def::timestamp(QStringLiteral("Stamp")),    def::memo(QStringLiteral("Notes")),
        def::decimal(QStringLiteral("HostAmount")), def::smallint(QStringLiteral("Period"))};
    t.indexes = {def::primary({QStringLiteral("SampleID")}),
                 def::nocase(QStringLiteral("CODE1"), {QStringLiteral("Code")})};
    return t;
}

// A fresh database holding the sample table, empty.
std::unique_ptr<Database> withSampleTable(const QString& engine)
{
    auto db = testdb::fresh(engine);
    schema::createTable(*db, sampleTable());
    return db;
}

QVariantMap row(int id, const QString& code)
{
    return {{QStringLiteral("SampleID"), id}, {QStringLiteral("Code"), code}};
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void valuesRoundTrip_data() { testdb::addEngineRows(); }
    void valuesRoundTrip()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        const QDateTime stamp(QDate(2026, 12, 6), QTime(9, 52, 1, 250));
        records::insert(
            *db, t,
            {{QStringLiteral("SampleID"), 1},
             {QStringLiteral("Code"), QStringLiteral("ABCDEFGH")},
             {QStringLiteral("Amount"), QVariant::fromValue(Money::fromRaw(123456789012345))},
             {QStringLiteral("Rate"), 0.075},
             {QStringLiteral("Posted"), true},
             {QStringLiteral("InvoiceDate"), QDate(2026, 2, 28)},
             {QStringLiteral("Stamp"), stamp},
             {QStringLiteral("Notes"), QString()},
             {QStringLiteral("HostAmount"), QStringLiteral("12.3456")},
             {QStringLiteral("Period"), 12}});
        Statement s = db->prepare(QStringLiteral("SELECT * FROM Sample WHERE SampleID = :id"));
        s.bind(QStringLiteral("id"), 1).exec();
        QVERIFY(s.next());
        QCOMPARE(s.text(QStringLiteral("Code")),
                 QStringLiteral("ABCDE")); // cut to the field's size
        QCOMPARE(s.money(QStringLiteral("Amount")), Money::fromRaw(123456789012345));
        QCOMPARE(s.real(QStringLiteral("Rate")), 0.075);
        QVERIFY(s.boolean(QStringLiteral("Posted")));
        QCOMPARE(s.date(QStringLiteral("InvoiceDate")), QDate(2026, 2, 28));
        QCOMPARE(s.timestamp(QStringLiteral("Stamp")), stamp);
        QVERIFY(s.isNull(QStringLiteral("Notes"))); // empty text is stored as NULL
        QCOMPARE(s.hostMoney(QStringLiteral("HostAmount")), Money::fromRaw(123456));
        QCOMPARE(s.integer(QStringLiteral("Period")), 12);
    }

    void emptyTextIsNullAndDatesCompare_data() { testdb::addEngineRows(); }
    void emptyTextIsNullAndDatesCompare()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        records::insert(*db, t,
                        {{QStringLiteral("SampleID"), 1},
                         {QStringLiteral("Code"), QString()},
                         {QStringLiteral("InvoiceDate"), QDate(2026, 1, 31)}});
        records::insert(*db, t,
                        {{QStringLiteral("SampleID"), 2},
                         {QStringLiteral("Code"), QStringLiteral("")},
                         {QStringLiteral("InvoiceDate"), QDate(2026, 2, 1)}});
        Statement nulls =
            db->query(QStringLiteral("SELECT COUNT(*) FROM Sample WHERE Code IS NULL"));
        nulls.exec();
        QVERIFY(nulls.next());
        QCOMPARE(nulls.integer(0), 2);
        Statement range =
            db->query(QStringLiteral("SELECT SampleID FROM Sample WHERE InvoiceDate >= :start"));
        range.bind(QStringLiteral("start"), QDate(2026, 2, 1)).exec();
        QVERIFY(range.next());
        QCOMPARE(range.integer(0), 2);
        QVERIFY(!range.next());
        const int changed =
            records::update(*db, t, {{QStringLiteral("Code"), QStringLiteral("TOOLONGCODE")}},
                            QStringLiteral("SampleID = :id"), {{QStringLiteral("id"), 2}});
        QCOMPARE(changed, 1);
        Statement code = db->query(QStringLiteral("SELECT Code FROM Sample WHERE SampleID = 2"));
        code.exec();
        QVERIFY(code.next());
        QCOMPARE(code.text(0), QStringLiteral("TOOLO"));
    }

    void dialectPieces_data() { testdb::addEngineRows(); }
    void dialectPieces()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        const Dialect& d = db->dialect();
        db->exec(QStringLiteral("CREATE TABLE Words (Word VARCHAR(20), Other VARCHAR(20))"));
        for (const QString& w :
             {QStringLiteral("banana"), QStringLiteral("Apple"), QStringLiteral("cherry"),
              QStringLiteral("12"), QStringLiteral("B"), QStringLiteral(" -7 "),
              QStringLiteral("1a")}) {
            Statement ins = db->prepare(QStringLiteral("INSERT INTO Words (Word) VALUES (:w)"));
            ins.bind(QStringLiteral("w"), w).exec();
        }
        Statement order = db->query(
            QStringLiteral(
                "SELECT Word FROM Words WHERE Word IN ('banana', 'Apple', 'cherry') ORDER BY ") +
            d.nocaseOrder(QStringLiteral("Word")));
        order.exec();
        QStringList sorted;
        while (order.next())
            sorted << order.text(0);
        QCOMPARE(sorted, (QStringList{QStringLiteral("Apple"), QStringLiteral("banana"),
                                      QStringLiteral("cherry")}));

        Statement ints =
            db->query(QStringLiteral("SELECT Word, ") + d.integerOrNull(QStringLiteral("Word")) +
                      QStringLiteral(" AS N FROM Words"));
        ints.exec();
        QHash<QString, QVariant> numbers;
        while (ints.next())
            numbers.insert(ints.text(0), ints.value(1));
        QCOMPARE(numbers.value(QStringLiteral("12")).toLongLong(), 12);
        QCOMPARE(numbers.value(QStringLiteral(" -7 ")).toLongLong(), -7);
        QVERIFY(numbers.value(QStringLiteral("B")).isNull());
        QVERIFY(numbers.value(QStringLiteral("1a")).isNull());
        QVERIFY(numbers.value(QStringLiteral("Apple")).isNull());

        Statement joined = db->query(
            QStringLiteral("SELECT ") +
            d.concat({QStringLiteral("Word"), QStringLiteral("', '"), QStringLiteral("Other")}) +
            QStringLiteral(" FROM Words WHERE Word = 'Apple'"));
        joined.exec();
        QVERIFY(joined.next());
        QCOMPARE(joined.text(0), QStringLiteral("Apple, "));

        Statement literal =
            db->query(QStringLiteral("SELECT ") + d.moneyLiteral(Money::fromRaw(-15000)) +
                      QStringLiteral(", ") + d.dateLiteral(QDate(2026, 3, 1)) +
                      QStringLiteral(", ") + d.boolLiteral(true));
        literal.exec();
        QVERIFY(literal.next());
        QCOMPARE(literal.integer(0), -15000);
        QCOMPARE(Dialect::readDate(literal.value(1)), QDate(2026, 3, 1));
        QVERIFY(Dialect::readBool(literal.value(2)));
    }

    void keyViolationCarriesItsCode_data() { testdb::addEngineRows(); }
    void keyViolationCarriesItsCode()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        records::insert(*db, t, row(7, QStringLiteral("A")));
        try {
            records::insert(*db, t, row(7, QStringLiteral("B")));
            QFAIL("a second row with the same key was stored");
        } catch (const DbError& e) {
            QCOMPARE(e.code(), DbError::KeyViolation);
        }
        try {
            db->exec(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
            QFAIL("a statement on a missing table succeeded");
        } catch (const DbError& e) {
            QVERIFY(e.code() != DbError::KeyViolation);
            QVERIFY(!e.message().isEmpty());
        }
        // Rows whose key is still empty are not duplicates of each other.
        records::insert(*db, t, {{QStringLiteral("Code"), QStringLiteral("X")}});
        records::insert(*db, t, {{QStringLiteral("Code"), QStringLiteral("Y")}});
    }

    void transactionsRollBackUnlessCommitted_data() { testdb::addEngineRows(); }
    void transactionsRollBackUnlessCommitted()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        {
            Transaction tx(*db);
            records::insert(*db, t, row(1, QStringLiteral("A")));
        }
        {
            Transaction outer(*db);
            records::insert(*db, t, row(2, QStringLiteral("B")));
            {
                Transaction inner(*db);
                records::insert(*db, t, row(3, QStringLiteral("C")));
                inner.commit();
            }
            outer.commit();
        }
        {
            Transaction outer(*db);
            records::insert(*db, t, row(4, QStringLiteral("D")));
            {
                Transaction inner(*db); // fails: not committed
            }
            QVERIFY_THROWS_EXCEPTION(DbError, outer.commit());
        }
        Statement ids = db->query(QStringLiteral("SELECT SampleID FROM Sample ORDER BY SampleID"));
        ids.exec();
        QList<qint64> found;
        while (ids.next())
            found << ids.integer(0);
        QCOMPARE(found, (QList<qint64>{2, 3}));
    }

    void savepointUndoesOnlyItsPart_data() { testdb::addEngineRows(); }
    void savepointUndoesOnlyItsPart()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        QVERIFY_THROWS_EXCEPTION(DbError, Savepoint{*db}); // only inside a transaction
        {
            Transaction tx(*db);
            records::insert(*db, t, row(1, QStringLiteral("A")));
            try {
                Savepoint part(*db);
                Transaction inner(*db); // a guard inside the part fails with it
                records::insert(*db, t, row(2, QStringLiteral("B")));
                records::insert(*db, t, row(1, QStringLiteral("A2"))); // a key violation
                QFAIL("the duplicate key was stored");
            } catch (const DbError& e) {
                QVERIFY(e.isKeyViolation());
            }
            // The transaction is usable again (PostgreSQL aborts it on an error) and keeps
            // what came before the part.
            records::insert(*db, t, row(3, QStringLiteral("C")));
            {
                Savepoint kept(*db);
                records::insert(*db, t, row(4, QStringLiteral("D")));
                kept.release();
            }
            tx.commit();
        }
        QCOMPARE(
            testdb::integers(*db, QStringLiteral("SELECT SampleID FROM Sample ORDER BY SampleID")),
            (QList<qint64>{1, 3, 4}));
    }

    void columnsByNameFollowTheTable_data() { testdb::addEngineRows(); }
    void columnsByNameFollowTheTable()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        db->exec(QStringLiteral("CREATE TABLE Shape (A INTEGER, B INTEGER)"));
        db->exec(QStringLiteral("INSERT INTO Shape VALUES (1, 2)"));
        auto read = [&](const QString& column) {
            Statement s = db->prepare(QStringLiteral("SELECT * FROM Shape"));
            s.exec();
            s.next();
            return s.integer(column);
        };
        QCOMPARE(read(QStringLiteral("b")), qint64(2));
        // The same statement text over a table made anew with its columns the other way round.
        db->exec(QStringLiteral("DROP TABLE Shape"));
        db->exec(QStringLiteral("CREATE TABLE Shape (B INTEGER, A INTEGER)"));
        db->exec(QStringLiteral("INSERT INTO Shape VALUES (5, 6)"));
        QCOMPARE(read(QStringLiteral("B")), qint64(5));
        QVERIFY_THROWS_EXCEPTION(DbError, read(QStringLiteral("C")));

        // A statement prepared and not yet run is still its holder's: the same text asked for
        // meanwhile is another statement, with values of its own.
        Statement first = db->prepare(QStringLiteral("SELECT A FROM Shape WHERE B = :b"));
        first.bind(QStringLiteral("b"), 5);
        Statement second = db->prepare(QStringLiteral("SELECT A FROM Shape WHERE B = :b"));
        second.bind(QStringLiteral("b"), 7);
        first.exec();
        QVERIFY(first.next());
        QCOMPARE(first.integer(QStringLiteral("a")), qint64(6));
        second.exec();
        QVERIFY(!second.next());
    }

    // A list read row by row while other statements run for each row (the balance of each
    // customer looked up while the customers are read) gives every row on every engine, and the
    // row in hand keeps its values.
    void readsSurviveOtherStatements_data() { testdb::addEngineRows(); }
    void readsSurviveOtherStatements()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        for (int id = 1; id <= 5; ++id)
            db->exec(
                QStringLiteral("INSERT INTO Sample (SampleID, Code) VALUES (%1, 'C%1')").arg(id));
        Statement outer =
            db->prepare(QStringLiteral("SELECT SampleID, Code FROM Sample ORDER BY SampleID"));
        outer.exec();
        QList<qint64> seen;
        while (outer.next()) {
            const qint64 id = outer.integer(0);
            Statement inner =
                db->prepare(QStringLiteral("SELECT Code FROM Sample WHERE SampleID = :id"));
            inner.bind(QStringLiteral("id"), id).exec();
            QVERIFY(inner.next());
            QCOMPARE(outer.text(QStringLiteral("Code")), inner.text(0));
            db->exec(QStringLiteral("UPDATE Sample SET Rate = 1 WHERE SampleID = %1").arg(id));
            QCOMPARE(outer.integer(0), id);
            seen << id;
        }
        QCOMPARE(seen, (QList<qint64>{1, 2, 3, 4, 5}));

        // Transactions begun and ended while a list is open do not cut it short either.
        outer.exec();
        QVERIFY(outer.next());
        db->beginTransaction(true);
        db->exec(QStringLiteral("UPDATE Sample SET Rate = 2"));
        db->commitTransaction();
        int rest = 0;
        while (outer.next())
            ++rest;
        QCOMPARE(rest, 4);
    }

    void workTablesBelongToTheirConnection_data() { testdb::addEngineRows(); }
    void workTablesBelongToTheirConnection()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        records::insert(*db, t, row(1, QStringLiteral("A")));
        records::insert(*db, t, row(2, QStringLiteral("B")));
        const Dialect& d = db->dialect();
        db->exec(d.dropTempTable(QStringLiteral("Work")));
        db->exec(d.createTempTableAs(
            QStringLiteral("Work"),
            QStringLiteral("SELECT SampleID, Code FROM Sample WHERE SampleID > 1")));
        Statement count = db->query(QStringLiteral("SELECT COUNT(*) FROM Work"));
        count.exec();
        QVERIFY(count.next());
        QCOMPARE(count.integer(0), 1);
        count.finish();
        auto other = testdb::reopen(*db);
        QVERIFY_THROWS_EXCEPTION(DbError, other->exec(QStringLiteral("SELECT COUNT(*) FROM Work")));
        db->exec(d.dropTempTable(QStringLiteral("Work")));
        db->exec(d.dropTempTable(QStringLiteral("Work"))); // dropping twice is harmless
        QVERIFY(
            schema::tableExists(*db, QStringLiteral("Sample"))); // and never touches a real table
    }

    void exportWritesPlainValues_data() { testdb::addEngineRows(); }
    void exportWritesPlainValues()
    {
        QFETCH(QString, engine);
        auto db = withSampleTable(engine);
        const TableDef t = sampleTable();
        records::insert(*db, t,
                        {{QStringLiteral("SampleID"), 1},
                         {QStringLiteral("Code"), QStringLiteral("A\"1")},
                         {QStringLiteral("Amount"), QVariant::fromValue(Money::fromRaw(-12345))},
                         {QStringLiteral("Rate"), 1.5},
                         {QStringLiteral("InvoiceDate"), QDate(2026, 7, 4)}});
        QLocale::setDefault(
            QLocale(QLocale::German, QLocale::Germany)); // a decimal comma must not leak in
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.csv"));
        Statement rows = db->query(
            QStringLiteral("SELECT SampleID, Code, Amount, Rate, InvoiceDate, Notes FROM Sample"));
        rows.exec();
        DelimitedFormat format;
        format.delimiter = QLatin1Char(',');
        format.quote = QLatin1Char('"');
        format.moneyColumns = {QStringLiteral("Amount")};
        QCOMPARE(exportDelimited(rows, path, format), 1);
        QLocale::setDefault(QLocale::c());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(
            lines.value(0).toLower(),
            QStringLiteral("\"sampleid\",\"code\",\"amount\",\"rate\",\"invoicedate\",\"notes\""));
        QCOMPARE(lines.value(1),
                 QStringLiteral("\"1\",\"A\"\"1\",\"-1.2345\",\"1.5\",\"2026-07-04\",\"\""));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, [&] {
            Statement again = db->query(QStringLiteral("SELECT * FROM Sample"));
            again.exec();
            exportDelimited(again, dir.filePath(QStringLiteral("missing/out.csv")));
        }());
    }

    void refusesWhatIsNotADatabase()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Hearthtable.db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,Address\r\nSmith,1 Main St\r\n");
        file.close();
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        try {
            Database::open(ConnectionParams::sqlite(path));
            QFAIL("a text file was opened as a database");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("not an SQLite database")),
                     qPrintable(e.message()));
        }
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Hearthtable.db")});

        QVERIFY_THROWS_EXCEPTION(DbError, Database::open(ConnectionParams::sqlite(dir.filePath(
                                              QStringLiteral("nowhere/Hearthtable.db")))));
    }

    void silentServerGivesTheEngineText()
    {
        const int port = 1; // a privileged port on which no database server listens
        ConnectionParams params;
        params.engine = ConnectionParams::Engine::PostgreSQL;
        params.host = QStringLiteral("127.0.0.1");
        params.port = port;
        params.databaseName = QStringLiteral("Hearthtable");
        params.user = params.password = QStringLiteral("nobody");
        params.connectTimeoutSeconds = 3;
        try {
            Database::open(params);
            QFAIL("connected to a port where no server listens");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("connect"), Qt::CaseInsensitive),
                     qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"

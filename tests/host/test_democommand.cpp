// tallywick demo, run as a user would run it: what it accepts, what it refuses, and what it
// leaves in the folder or on the server the settings name.
#include "data/hosttables.h"
#include "demosummary.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "host/sampledata.h"
#include "programrun.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

using Run = ProgramRun;

Run demo(const QStringList& args)
{
    return runProgram(QStringLiteral(TALLYWICK_PATH), QStringList{QStringLiteral("demo")} + args);
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace

class TestDemoCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir scratch_;

private Q_SLOTS:
    void badArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no folder") << QStringList{} << QStringLiteral("Name the folder");
        QTest::newRow("two folders") << QStringList{QStringLiteral("a"), QStringLiteral("b")}
                                     << QStringLiteral("Only one folder");
        QTest::newRow("a folder and the server")
            << QStringList{QStringLiteral("--server"), QStringLiteral("a")}
            << QStringLiteral("cannot be named with it");
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("a"), QStringLiteral("--clinets"), QStringLiteral("30")}
            << QStringLiteral("Unknown option --clinets");
        QTest::newRow("no value") << QStringList{QStringLiteral("a"), QStringLiteral("--clients")}
                                  << QStringLiteral("--clients needs a value");
        QTest::newRow("clients not a number")
            << QStringList{QStringLiteral("a"), QStringLiteral("--clients"), QStringLiteral("many")}
            << QStringLiteral("--clients needs a whole number from 20 to 90000, not many");
        QTest::newRow("too few clients")
            << QStringList{QStringLiteral("a"), QStringLiteral("--clients"), QStringLiteral("19")}
            << QStringLiteral("not 19");
        QTest::newRow("too many clients")
            << QStringList{QStringLiteral("a"), QStringLiteral("--clients"),
                           QStringLiteral("90001")}
            << QStringLiteral("not 90001");
        QTest::newRow("month 13") << QStringList{QStringLiteral("a"), QStringLiteral("--period"),
                                                 QStringLiteral("2025-13")}
                                  << QStringLiteral("--period needs a month as YYYY-MM");
        QTest::newRow("a day, not a month")
            << QStringList{QStringLiteral("a"), QStringLiteral("--period"),
                           QStringLiteral("2025-03-01")}
            << QStringLiteral("not 2025-03-01");
        QTest::newRow("no months")
            << QStringList{QStringLiteral("a"), QStringLiteral("--months"), QStringLiteral("0")}
            << QStringLiteral("--months needs a whole number from 1 to 24");
        QTest::newRow("negative seed")
            << QStringList{QStringLiteral("a"), QStringLiteral("--seed"), QStringLiteral("-4")}
            << QStringLiteral("--seed needs a whole number");
    }
    void badArgumentsAreRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        // the folder names are made absolute inside the scratch folder
        for (QString& arg : args) {
            if (arg == QLatin1String("a") || arg == QLatin1String("b"))
                arg = scratch_.filePath(QStringLiteral("bad-") + arg);
        }
        const Run r = demo(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("Usage: tallywick demo DIR")));
        QVERIFY(!QFileInfo::exists(scratch_.filePath(QStringLiteral("bad-a"))));
    }

    void aDemoFolderIsMadeAndNeverOverwritten()
    {
        const QString folder = scratch_.filePath(QStringLiteral("office/demo"));
        const Run r = demo({folder, QStringLiteral("--clients"), QStringLiteral("25"),
                            QStringLiteral("--period"), QStringLiteral("2025-03"),
                            QStringLiteral("--seed"), QStringLiteral("3")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(
            r.out.contains(QStringLiteral("Period: 2025-03-01 to 2025-03-31 (1 month), seed 3")),
            qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("Self-check: passed")));
        const QMap<QString, qint64> printed = printedCounts(r.out);
        QCOMPARE(printed.size(), host::allTables().size());
        QCOMPARE(printed.value(QStringLiteral("Clients")), qint64(25));
        QVERIFY(printed.value(QStringLiteral("MealCrdt")) >
                printed.value(QStringLiteral("Deliveri")));

        const QString file = QDir(folder).filePath(QStringLiteral("Hearthtable.db"));
        {
            auto db = Database::open(ConnectionParams::sqlite(file));
            for (const auto& count : countHostRows(*db))
                QCOMPARE(count.second, printed.value(count.first));
            QCOMPARE(checkSampleData(*db), QStringList());
        }

        // a second run, with or without rows, leaves the database as it is
        const QByteArray before = contents(file);
        QVERIFY(!before.isEmpty());
        for (const QStringList& again :
             {QStringList{folder}, QStringList{folder, QStringLiteral("--empty")}}) {
            const Run refused = demo(again);
            QCOMPARE(refused.exitCode, 1);
            QVERIFY2(refused.err.contains(QStringLiteral("already holds a Hearthtable database")),
                     qPrintable(refused.err));
        }
        QCOMPARE(contents(file), before);
    }

    void emptyTablesOnRequest()
    {
        const QString folder = scratch_.filePath(QStringLiteral("empty"));
        const Run r = demo({folder, QStringLiteral("--empty")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Host tables created without rows.")));
        QVERIFY(r.out.contains(QStringLiteral("Self-check: skipped")));
        auto db = Database::open(
            ConnectionParams::sqlite(QDir(folder).filePath(QStringLiteral("Hearthtable.db"))));
        const auto counts = countHostRows(*db);
        QCOMPARE(counts.size(), host::allTables().size());
        for (const TableDef& table : host::allTables()) {
            QVERIFY2(schema::tableExists(*db, table.name), qPrintable(table.name));
        }
        for (const auto& count : counts)
            QCOMPARE(count.second, qint64(0));
        // tables without rows are still the host's tables: no sample data goes into them
        QCOMPARE(demo({folder}).exitCode, 1);
    }

    void theDefaultPeriodIsLastMonth()
    {
        const Run r = demo({scratch_.filePath(QStringLiteral("default"))});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QDate start = SampleDataOptions::previousMonthStart(QDate::currentDate());
        QVERIFY2(r.out.contains(QStringLiteral("Period: %1 to %2 (1 month), seed 1")
                                    .arg(start.toString(Qt::ISODate),
                                         start.addMonths(1).addDays(-1).toString(Qt::ISODate))),
                 qPrintable(r.out));
        QCOMPARE(printedCounts(r.out).value(QStringLiteral("Clients")), qint64(200));
    }

    void foldersThatCannotHoldADemo()
    {
        // a file where the folder should be
        const QString plainFile = scratch_.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeFile(plainFile, "shopping list\n"));
        Run r = demo({plainFile});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("is a file, not a folder")), qPrintable(r.err));

        // a Hearthtable.db that is somebody else's file stays untouched
        const QString folder = scratch_.filePath(QStringLiteral("foreign"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = QDir(folder).filePath(QStringLiteral("Hearthtable.db"));
        QVERIFY(writeFile(file, "not a database at all"));
        r = demo({folder});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("left untouched")), qPrintable(r.err));
        QCOMPARE(contents(file), QByteArray("not a database at all"));
    }

    void aDatabaseWithoutHostTablesIsFilled()
    {
        // the AR module's own tables may already be there; the host's are added beside them
        const QString folder = scratch_.filePath(QStringLiteral("ar-only"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = QDir(folder).filePath(QStringLiteral("Hearthtable.db"));
        {
            auto db = Database::open(ConnectionParams::sqlite(file));
            db->exec(QStringLiteral("CREATE TABLE Customer (CustomerID INTEGER)"));
            db->exec(QStringLiteral("INSERT INTO Customer VALUES (7)"));
        }
        const Run r = demo({folder, QStringLiteral("--clients"), QStringLiteral("20")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        auto db = Database::open(ConnectionParams::sqlite(file));
        Statement s = db->query(QStringLiteral("SELECT CustomerID FROM Customer"));
        s.exec();
        QVERIFY(s.next());
        QCOMPARE(s.integer(0), qint64(7));
        QCOMPARE(countHostRows(*db).first().second, qint64(20));
    }
};

QTEST_MAIN(TestDemoCommand)
#include "test_democommand.moc"

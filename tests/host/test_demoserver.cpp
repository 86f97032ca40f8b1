// tallywick demo --server, run as a site would run it on a workstation set up for client-server
// mode: the sample goes into the database Hearthtable on the server the settings name, once.
#include "demosummary.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "host/sampledata.h"
#include "programrun.h"
#include "testdatabases.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString kHearthtable = QStringLiteral("Hearthtable");

QMap<QString, qint64> storedCounts(Database& db)
{
    QMap<QString, qint64> counts;
    for (const QPair<QString, qint64>& count : countHostRows(db))
        counts.insert(count.first, count.second);
    return counts;
}

} // namespace

class TestDemoServer : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> home_; // a workstation of its own for each test
    ConnectionParams server_;
    QProcessEnvironment env_;

    ProgramRun tallywick(const QStringList& args)
    {
        return runProgram(QStringLiteral(TALLYWICK_PATH), args, env_);
    }
    int set(const QString& name, const QString& value)
    {
        return tallywick({QStringLiteral("settings"), QStringLiteral("set"), name, value}).exitCode;
    }
    void pointAtServer(const QString& address)
    {
        QCOMPARE(set(QStringLiteral("Mode"), QStringLiteral("C")), 0);
        QCOMPARE(set(QStringLiteral("Server IP"), address), 0);
        QCOMPARE(set(QStringLiteral("Alias"), home_->filePath(QStringLiteral("shared"))), 0);
    }
    QString serverAddress() const
    {
        return QStringLiteral("%1:%2").arg(server_.host).arg(server_.port);
    }
    std::unique_ptr<Database> hearthtable() const
    {
        ConnectionParams params = server_;
        params.databaseName = kHearthtable;
        return Database::open(params);
    }
    void dropHearthtable()
    {
        auto admin = Database::open(server_);
        admin->exec(QStringLiteral("DROP DATABASE IF EXISTS \"Hearthtable\" WITH (FORCE)"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testdb::postgresAvailable()) {
            QVERIFY2(qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty(),
                     "TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
            QSKIP("TALLYWICK_PG names no server");
        }
        server_ = testdb::postgresServer();
    }
    void init()
    {
        home_ = std::make_unique<QTemporaryDir>();
        // the module signs in with the test server's user, as a site with its own role would
        env_ = environmentWithHome(home_->path());
        env_.insert(QStringLiteral("TALLYWICK_DB_USER"), server_.user);
        env_.insert(QStringLiteral("TALLYWICK_DB_PASSWORD"),
                    server_.password.isEmpty() ? QStringLiteral("unused") : server_.password);
        dropHearthtable();
        Database::open(server_)->exec(QStringLiteral("CREATE DATABASE \"Hearthtable\""));
    }
    void cleanupTestCase()
    {
        if (testdb::postgresAvailable())
            dropHearthtable();
    }

    void theSampleGoesOntoTheServerOnce()
    {
        pointAtServer(serverAddress());
        const QStringList options = {QStringLiteral("--clients"), QStringLiteral("25"),
                                     QStringLiteral("--period"),  QStringLiteral("2025-03"),
                                     QStringLiteral("--seed"),    QStringLiteral("3")};
        const ProgramRun r =
            tallywick(QStringList{QStringLiteral("demo"), QStringLiteral("--server")} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("Database: PostgreSQL database Hearthtable on %1\n")
                                    .arg(serverAddress())),
                 qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("Self-check: passed")));
        const QMap<QString, qint64> printed = printedCounts(r.out);
        QCOMPARE(printed.value(QStringLiteral("Clients")), qint64(25));

        auto db = hearthtable();
        QCOMPARE(storedCounts(*db), printed);
        QCOMPARE(checkSampleData(*db), QStringList());

        // the same options give the same program as in a folder
        const ProgramRun folder = tallywick(
            QStringList{QStringLiteral("demo"), home_->filePath(QStringLiteral("folder"))} +
            options);
        QVERIFY2(folder.exitCode == 0, qPrintable(folder.err));
        QCOMPARE(printedCounts(folder.out), printed);

        // a second run, with or without rows, changes nothing on the server
        for (const QStringList& again : {QStringList{}, QStringList{QStringLiteral("--empty")}}) {
            const ProgramRun refused =
                tallywick(QStringList{QStringLiteral("demo"), QStringLiteral("--server")} + again);
            QCOMPARE(refused.exitCode, 1);
            QVERIFY2(refused.err.contains(QStringLiteral(
                         "already holds host data (in Clients, Individuals, Relationships, Items, "
                         "Deliveri, MealCrdt, FundSrcs, FundUses, Pricing, Services, Config); "
                         "nothing was changed.")),
                     qPrintable(refused.err));
            QVERIFY(!refused.out.contains(QStringLiteral("Self-check")));
        }
        QCOMPARE(storedCounts(*db), printed);
    }

    void hostTablesWithoutRowsAreFilled()
    {
        pointAtServer(serverAddress());
        ProgramRun r = tallywick(
            {QStringLiteral("demo"), QStringLiteral("--server"), QStringLiteral("--empty")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Host tables created without rows.")));
        r = tallywick({QStringLiteral("demo"), QStringLiteral("--server"),
                       QStringLiteral("--clients"), QStringLiteral("20")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(storedCounts(*hearthtable()).value(QStringLiteral("Clients")), qint64(20));

        // one table of a real program with rows is enough to refuse
        auto db = hearthtable();
        db->exec(QStringLiteral("DELETE FROM Clients"));
        db->exec(QStringLiteral("DELETE FROM MealCrdt"));
        r = tallywick({QStringLiteral("demo"), QStringLiteral("--server")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("already holds host data (in Individuals,")),
                 qPrintable(r.err));
        QCOMPARE(storedCounts(*db).value(QStringLiteral("Clients")), qint64(0));
    }

    void onlyAClientServerSettingReachesTheServer()
    {
        // no settings at all: file server mode
        ProgramRun r = tallywick({QStringLiteral("demo"), QStringLiteral("--server")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("the settings are for file server mode")),
                 qPrintable(r.err));

        // client-server without the shared folder: the console's own message
        QCOMPARE(set(QStringLiteral("Mode"), QStringLiteral("C")), 0);
        QCOMPARE(set(QStringLiteral("Server IP"), serverAddress()), 0);
        r = tallywick({QStringLiteral("demo"), QStringLiteral("--server")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("The Hearthtable database has not been defined.")),
                 qPrintable(r.err));

        // --data makes the run a file-server run, whatever the settings say
        pointAtServer(serverAddress());
        const QString data = home_->filePath(QStringLiteral("data"));
        r = tallywick(
            {QStringLiteral("--data"), data, QStringLiteral("demo"), QStringLiteral("--server")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(QStringLiteral("the settings are for file server mode")));
        QVERIFY(!QFileInfo::exists(data));

        // a server that does not answer: the engine's own message and a failure
        pointAtServer(QStringLiteral("127.0.0.1:1"));
        r = tallywick({QStringLiteral("demo"), QStringLiteral("--server")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(!r.err.trimmed().isEmpty() && !r.out.contains(QStringLiteral("Self-check")),
                 qPrintable(r.out + r.err));

        auto db = hearthtable();
        for (const QPair<QString, qint64>& count : countHostRows(*db))
            QVERIFY2(!schema::tableExists(*db, count.first), qPrintable(count.first));
    }
};

QTEST_GUILESS_MAIN(TestDemoServer)
#include "test_demoserver.moc"

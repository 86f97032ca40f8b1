// The settings shared with the host and the start-up rules that find the shared database.
#include "common/printercheck.h"
#include "data/connection.h"
#include "data/registry.h"
#include "data/reportoutput.h"
#include "engine/database.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString kNotDefined =
    QStringLiteral("The Hearthtable database has not been defined. The application can not "
                   "continue. Hearthtable will now terminate...");

// A registry whose keys can never be opened for writing.
class LockedRegistry final : public SettingsRegistry
{
public:
    std::optional<QString> read(const QString&, const QString&) const override
    {
        return std::nullopt;
    }
    bool write(const QString&, const QString&, const QString&) override
    {
        ++attempts;
        return false;
    }
    int attempts = 0;
};

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT
private:
    MemoryRegistry* registry_ = nullptr;

    void set(const QString& setting, const QString& value,
             const QString& valueName = reg::ValueName)
    {
        registry_->write(setting, valueName, value);
    }

private Q_SLOTS:
    void init()
    {
        registry_ = new MemoryRegistry;
        setProcessRegistry(registry_);
    }
    void cleanup()
    {
        setProcessRegistry(nullptr);
        delete registry_;
        qunsetenv("TALLYWICK_DB_USER");
        qunsetenv("TALLYWICK_DB_PASSWORD");
    }

    void userSettingsLiveUnderDBIsam()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        setProcessRegistry(nullptr);
        ScriptedDialogs dialogs;
        QCOMPARE(GetRegString(reg::Mode, reg::ValueName), QString());
        QVERIFY(SetRegString(dialogs, reg::Mode, QStringLiteral("C")));
        QCOMPARE(GetRegString(reg::Mode, reg::ValueName), QStringLiteral("C"));
        QCOMPARE(DBIsamAlias(QStringLiteral("Hearthtable")), QString()); // never written: empty
        const QSettings stored(QSettings::NativeFormat, QSettings::UserScope,
                               QStringLiteral("DBIsam"), QStringLiteral("Mode"));
        QCOMPARE(stored.value(QStringLiteral("Hearthtable")).toString(), QStringLiteral("C"));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void pdfFolderCountsAsAnOutputDevice()
    {
        usePdfFolderSetting();
        setPrinterNameSource({});
        QVERIFY(!PrinterDefined());
        set(reg::PdfFolder, QStringLiteral("/home/office/Invoices"));
        QVERIFY(PrinterDefined());
        QCOMPARE(pdfOutputFolder(), QStringLiteral("/home/office/Invoices"));
        setPdfOutputFolderSource({});
    }

    void unwritableKeyShowsTheMessage()
    {
        LockedRegistry locked;
        setProcessRegistry(&locked);
        ScriptedDialogs dialogs;
        QVERIFY(!SetRegString(dialogs, reg::Alias, QStringLiteral("/data")));
        QCOMPARE(locked.attempts, 2);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Error in Opening Hearthtable Key")});
    }

    void modeAndConnectionAreReadExactly_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<bool>("internet");
        QTest::newRow("client-server, Internet") << "C"
                                                 << "Internet" << true << true;
        QTest::newRow("client-server, lower-case internet is LAN") << "C"
                                                                   << "internet" << true << false;
        QTest::newRow("lower-case c is file server") << "c"
                                                     << "Internet" << false << false;
        QTest::newRow("empty") << ""
                               << "" << false << false;
    }
    void modeAndConnectionAreReadExactly()
    {
        QFETCH(QString, mode);
        QFETCH(QString, connection);
        QFETCH(bool, remote);
        QFETCH(bool, internet);
        set(reg::Mode, mode);
        set(reg::Connection, connection);
        set(reg::ServerIP, QStringLiteral("192.168.1.20"));
        const SessionSettings session = SessionHearthtableARStartup();
        QCOMPARE(session.cMode, mode);
        QCOMPARE(session.remote, remote);
        QCOMPARE(session.internet, internet);
        QCOMPARE(session.remoteAddress, remote ? QStringLiteral("192.168.1.20") : QString());
        QCOMPARE(session.remoteUser, remote ? QStringLiteral("quillrun") : QString());
        QCOMPARE(session.remotePassword, remote ? QStringLiteral("quillrun") : QString());
        QVERIFY(!session.privateDirectory.isEmpty());
    }

    void undefinedLocationEndsTheStart_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("file server") << "F";
        QTest::newRow("client-server") << "C";
    }
    void undefinedLocationEndsTheStart()
    {
        QFETCH(QString, mode);
        set(reg::Mode, mode);
        ScriptedDialogs dialogs;
        QVERIFY_THROWS_EXCEPTION(FatalStartError, DatabaseHearthtableARBeforeConnect(
                                                      SessionHearthtableARStartup(), dialogs));
        QCOMPARE(dialogs.texts(), QStringList{kNotDefined});
        QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Error);
    }

    void missingDataFolderEndsTheStart()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("gone"));
        set(reg::Alias, missing);
        ScriptedDialogs dialogs;
        QVERIFY_THROWS_EXCEPTION(FatalStartError, DatabaseHearthtableARBeforeConnect(
                                                      SessionHearthtableARStartup(), dialogs));
        QCOMPARE(
            dialogs.texts(),
            QStringList{QStringLiteral("The Hearthtable database:\r\n") + missing +
                        QStringLiteral(
                            "\r\ndoes not appear to be valid. Hearthtable will now terminate...")});
    }

    void fallbackAliasIsUsedQuietly()
    {
        QTemporaryDir dir;
        set(reg::Alias, QString());
        set(reg::Alias, dir.path(), reg::FallbackValueName);
        ScriptedDialogs dialogs;
        const DatabaseLocation location =
            DatabaseHearthtableARBeforeConnect(SessionHearthtableARStartup(), dialogs);
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(location.directory, dir.path());
        QCOMPARE(location.params.engine, ConnectionParams::Engine::SQLite);
        QCOMPARE(location.params.sqliteFile,
                 QDir(dir.path()).filePath(QStringLiteral("Hearthtable.db")));
    }

    void clientServerFindsTheServer()
    {
        set(reg::Mode, QStringLiteral("C"));
        set(reg::Alias, QStringLiteral("/no/such/shared/folder")); // not checked in this mode
        set(reg::ServerIP, QStringLiteral("10.0.0.5:6543"));
        set(reg::Connection, QStringLiteral("Internet"));
        ScriptedDialogs dialogs;
        DatabaseLocation location =
            DatabaseHearthtableARBeforeConnect(SessionHearthtableARStartup(), dialogs);
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(location.params.engine, ConnectionParams::Engine::PostgreSQL);
        QCOMPARE(location.params.host, QStringLiteral("10.0.0.5"));
        QCOMPARE(location.params.port, 6543);
        QCOMPARE(location.params.databaseName, QStringLiteral("Hearthtable"));
        QCOMPARE(location.params.sslMode, QStringLiteral("require"));
        QCOMPARE(location.directory, QStringLiteral("/no/such/shared/folder"));

        set(reg::ServerIP, QStringLiteral("10.0.0.5"));
        set(reg::Connection, QStringLiteral("LAN"));
        qputenv("TALLYWICK_DB_USER", "meals");
        qputenv("TALLYWICK_DB_PASSWORD", "secret");
        location = DatabaseHearthtableARBeforeConnect(SessionHearthtableARStartup(), dialogs);
        QCOMPARE(location.params.port, 5432);
        QCOMPARE(location.params.sslMode, QStringLiteral("prefer"));
        QCOMPARE(location.params.user, QStringLiteral("meals"));
        QCOMPARE(location.params.password, QStringLiteral("secret"));
    }

    void fileServerCreatesTheDatabaseFile()
    {
        QTemporaryDir dir;
        set(reg::Mode, QStringLiteral("F"));
        set(reg::Alias, dir.path());
        ScriptedDialogs dialogs;
        HearthtableConnection connection = connectHearthtable(dialogs);
        QVERIFY(connection.database->isSqlite());
        connection.database->exec(QStringLiteral("CREATE TABLE Probe (N INTEGER)"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Hearthtable.db"))));
    }

    void clientServerConnectsToHearthtable()
    {
        if (!testdb::postgresAvailable())
            QSKIP("no PostgreSQL server named in TALLYWICK_PG");
        const ConnectionParams server = testdb::postgresServer();
        {
            auto admin = Database::open(server);
            admin->exec(QStringLiteral("DROP DATABASE IF EXISTS \"Hearthtable\" WITH (FORCE)"));
            admin->exec(QStringLiteral("CREATE DATABASE \"Hearthtable\""));
        }
        set(reg::Mode, QStringLiteral("C"));
        set(reg::Alias, QStringLiteral("/shared"));
        set(reg::ServerIP, QStringLiteral("%1:%2").arg(server.host).arg(server.port));
        qputenv("TALLYWICK_DB_USER", server.user.toUtf8());
        ScriptedDialogs dialogs;
        {
            HearthtableConnection connection = connectHearthtable(dialogs);
            QVERIFY(!connection.database->isSqlite());
            QVERIFY(connection.database->engineVersion().startsWith(QStringLiteral("PostgreSQL")));
        }
        auto admin = Database::open(server);
        admin->exec(QStringLiteral("DROP DATABASE IF EXISTS \"Hearthtable\" WITH (FORCE)"));
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "test_connection.moc"

// scripts/demo-server with a small sample in a folder of its own: a PostgreSQL server comes up,
// the sample program is written into it, the month's invoices are generated there, and the
// settings of whoever runs it are left alone. The server is stopped however the test ends.
#include "engine/database.h"
#include "programrun.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Stops the folder's server when the test leaves, passed or failed.
struct ServerStopper {
    QString serverFolder;
    ~ServerStopper()
    {
        runProgram(QStringLiteral(TALLYWICK_SOURCE_DIR "/scripts/pg-cluster"),
                   {QStringLiteral("stop"), serverFolder});
    }
};

} // namespace

class TestDemoServerScript : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aSmallSampleIsInvoicedOnTheServer()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("demo"));
        const QString userHome = scratch.filePath(QStringLiteral("user"));
        ServerStopper stopper{QDir(folder).filePath(QStringLiteral("server"))};

        QProcessEnvironment env = environmentWithHome(userHome);
        env.insert(QStringLiteral("TALLYWICK_BUILD_DIR"), QStringLiteral(TALLYWICK_BUILD_DIR));
        env.remove(QStringLiteral("TALLYWICK_DB_USER"));
        env.remove(QStringLiteral("TALLYWICK_DB_PASSWORD"));
        // the server's own user, when run as root, must reach the folder
        QVERIFY(QFile::setPermissions(scratch.path(), QFile::permissions(scratch.path()) |
                                                          QFile::ExeOther | QFile::ExeGroup));
        const ProgramRun r =
            runProgram(QStringLiteral(TALLYWICK_SOURCE_DIR "/scripts/demo-server"),
                       {folder, QStringLiteral("--clients"), QStringLiteral("20"),
                        QStringLiteral("--isolated"), QStringLiteral("--no-build")},
                       env);
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));

        static const QRegularExpression generated(
            QStringLiteral("^Completed generating (\\d+) invoices\\.$"),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = generated.match(r.out);
        QVERIFY2(m.hasMatch(), qPrintable(r.out));
        QVERIFY(m.captured(1).toInt() > 0);
        QVERIFY(r.out.contains(QStringLiteral("Stop the server with: scripts/pg-cluster stop ")));

        // the invoices are on the server, where the module's own role reads them
        QFile portFile(QDir(stopper.serverFolder).filePath(QStringLiteral("port")));
        QVERIFY(portFile.open(QIODevice::ReadOnly));
        ConnectionParams params;
        params.engine = ConnectionParams::Engine::PostgreSQL;
        params.host = QStringLiteral("127.0.0.1");
        params.port = portFile.readAll().trimmed().toInt();
        params.databaseName = QStringLiteral("Hearthtable");
        params.user = QStringLiteral("quillrun");
        params.password = QStringLiteral("quillrun");
        auto db = Database::open(params);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")),
                 m.captured(1).toLongLong());
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Clients")), qint64(20));
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE tableowner = "
                                               "'quillrun' AND tablename = 'arinv'")),
            qint64(1));

        // the settings went into the folder, not to the user who ran the script
        QVERIFY(
            QFile::exists(QDir(folder).filePath(QStringLiteral("home/config/DBIsam/Mode.conf"))));
        QVERIFY(!QFileInfo::exists(QDir(userHome).filePath(QStringLiteral("config/DBIsam"))));
    }
};

QTEST_GUILESS_MAIN(TestDemoServerScript)
#include "test_demoserverscript.moc"

// The tallywick command line, run as a separate program with a settings folder of its own.
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

using Run = ProgramRun;

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir home_;

    Run run(const QStringList& args)
    {
        QProcessEnvironment env = environmentWithHome(home_.path());
        env.insert(QStringLiteral("USER"), QStringLiteral("bookkeeper"));
        return runProgram(QStringLiteral(TALLYWICK_PATH), args, env);
    }

    // `tallywick settings set NAME VALUE`; its exit code.
    int set(const QString& name, const QString& value)
    {
        return run({QStringLiteral("settings"), QStringLiteral("set"), name, value}).exitCode;
    }

private Q_SLOTS:
    void helpListsTheCommands()
    {
        const Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("settings set NAME VALUE")));
        QVERIFY(r.out.contains(QStringLiteral("--data DIR")));
        QCOMPARE(run({}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("frobnicate")}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("--bogus"), QStringLiteral("check")}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("--data")}).exitCode, 2);
    }

    void settingsAreSavedAndValidated()
    {
        QCOMPARE(set(QStringLiteral("Mode"), QStringLiteral("C")), 0);
        QCOMPARE(set(QStringLiteral("server ip"), QStringLiteral("10.0.0.7:5433")), 0);
        QCOMPARE(set(QStringLiteral("Connection"), QStringLiteral("Internet")), 0);
        const Run shown = run({QStringLiteral("settings"), QStringLiteral("show")});
        QCOMPARE(shown.exitCode, 0);
        QVERIFY2(shown.out.contains(QStringLiteral("Mode: C\n")), qPrintable(shown.out));
        QVERIFY(shown.out.contains(QStringLiteral("Server IP: 10.0.0.7:5433\n")));
        QVERIFY(shown.out.contains(QStringLiteral("Connection: Internet\n")));
        QVERIFY(QFile::exists(home_.filePath(QStringLiteral("config/DBIsam/Mode.conf"))));

        const Run badMode = run({QStringLiteral("settings"), QStringLiteral("set"),
                                 QStringLiteral("Mode"), QStringLiteral("X")});
        QCOMPARE(badMode.exitCode, 2);
        QVERIFY(badMode.err.contains(QStringLiteral("Mode is C")));
        QCOMPARE(set(QStringLiteral("Server IP"), QStringLiteral("10.0.0")), 2);
        QCOMPARE(set(QStringLiteral("Colour"), QStringLiteral("red")), 2);
        QVERIFY(run({QStringLiteral("settings"), QStringLiteral("show")})
                    .out.contains(QStringLiteral("Mode: C\n")));
    }

    void dataOptionWorksWithoutTouchingSettings()
    {
        QCOMPARE(set(QStringLiteral("Mode"), QStringLiteral("C")), 0);
        QTemporaryDir data;
        const Run r = run({QStringLiteral("--data"), data.path(), QStringLiteral("--user"),
                           QStringLiteral("Ann"), QStringLiteral("check")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Mode: file server")));
        QVERIFY(r.out.contains(QStringLiteral("Engine: SQLite")));
        QVERIFY(r.out.contains(QStringLiteral("User: Ann")));
        QVERIFY(QFile::exists(QDir(data.path()).filePath(QStringLiteral("Hearthtable.db"))));
        const Run shown = run({QStringLiteral("settings"), QStringLiteral("show")});
        QVERIFY(shown.out.contains(QStringLiteral("Mode: C\n")));
        QVERIFY(shown.out.contains(QStringLiteral("Alias: \n")));
        QVERIFY(run({QStringLiteral("--data"), data.path(), QStringLiteral("check")})
                    .out.contains(QStringLiteral("User: bookkeeper")));
    }

    void initCreatesAndThenOnlyRefreshes()
    {
        QTemporaryDir parent;
        const QString data = parent.filePath(QStringLiteral("meals"));
        QCOMPARE(
            run({QStringLiteral("demo"), data, QStringLiteral("--clients"), QStringLiteral("20")})
                .exitCode,
            0);
        const Run first = run({QStringLiteral("--data"), data, QStringLiteral("init")});
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        QVERIFY(first.out.contains(QStringLiteral(
            "Created: Customer, CustCtl, CusType, CBalance, Item, ItemCtl, ItemType, Company,")));
        QVERIFY(
            first.out.contains(QStringLiteral("Seeded: CustCtl, CusType, Item, ItemCtl, ItemType, "
                                              "ARInvCtl, ARPmtCtl, Warehse, Bank, Currency")));
        const Run second = run({QStringLiteral("--data"), data, QStringLiteral("init")});
        QCOMPARE(second.exitCode, 0);
        QVERIFY(second.out.contains(QStringLiteral("Created: none\n")));
        QVERIFY(second.out.contains(QStringLiteral("Upgraded: none\n")));
        QVERIFY(second.out.contains(QStringLiteral("Seeded: none\n")));
        QVERIFY(second.out.contains(QStringLiteral("Organization: ")));

        // Without the host's tables the start stops at the organization record, with the engine's
        // text.
        QTemporaryDir empty;
        const Run bare = run({QStringLiteral("--data"), empty.path(), QStringLiteral("init")});
        QCOMPARE(bare.exitCode, 1);
        QVERIFY2(bare.err.contains(QStringLiteral("Config")), qPrintable(bare.err));
    }

    void unusableLocationsAreReported()
    {
        QTemporaryDir data;
        const QString missing = data.filePath(QStringLiteral("nope"));
        const Run r = run({QStringLiteral("--data"), missing, QStringLiteral("check")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral(
                     "does not appear to be valid. Hearthtable will now terminate...")),
                 qPrintable(r.err));

        QCOMPARE(set(QStringLiteral("Mode"), QStringLiteral("F")), 0);
        const Run undefined = run({QStringLiteral("check")});
        QCOMPARE(undefined.exitCode, 1);
        QVERIFY(undefined.err.contains(
            QStringLiteral("The Hearthtable database has not been defined.")));

        QFile notADatabase(QDir(data.path()).filePath(QStringLiteral("Hearthtable.db")));
        QVERIFY(notADatabase.open(QIODevice::WriteOnly));
        notADatabase.write("meal list");
        notADatabase.close();
        const Run refused = run({QStringLiteral("--data"), data.path(), QStringLiteral("check")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains(QStringLiteral("not an SQLite database")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

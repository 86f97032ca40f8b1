// The modem's side of a call: the bytes on the line and when they go, the messages when the
// port fails, and the port setting in Larkmoor.ini.
#include "dialer/dialersettings.h"
#include "dialer/modemdial.h"
#include "pseudoterminal.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString kPickUp = QStringLiteral("Pick up the phone.\rClick OK after dialing has completed.");

QString iniIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).filePath(QStringLiteral("Larkmoor.ini"));
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}
} // namespace

class TestModemDial : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The number goes out before the user is told to pick up; the hang-up only after OK.
    void dialsThenHangsUp_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QByteArray>("dialled");
        QTest::newRow("local") << QStringLiteral("555-0101") << QByteArray("ATDT555-0101\r\n");
        QTest::newRow("empty number") << QString() << QByteArray("ATDT\r\n");
    }
    void dialsThenHangsUp()
    {
        QFETCH(QString, number);
        QFETCH(QByteArray, dialled);
        PseudoTerminal line;
        QVERIFY(line.isOpen());
        ScriptedDialogs dialogs;
        QByteArray beforePickUp;
        int messagesBeforePickUp = -1;
        const bool ok = dialer::dialNumber(line.device(), number, dialogs, [&] {
            messagesBeforePickUp = int(dialogs.shown().size());
            beforePickUp = line.read(int(dialled.size()));
        });
        QVERIFY(ok);
        QCOMPARE(beforePickUp, dialled);
        QCOMPARE(messagesBeforePickUp, 0);
        QCOMPARE(dialogs.texts(), QStringList{kPickUp});
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Information);
        QCOMPARE(line.readToEnd(), QByteArray("ATH\r\n"));
    }

    void aPortThatCannotBeOpenedIsNamed()
    {
        QTemporaryDir dir;
        const QString missing = QDir(dir.path()).filePath(QStringLiteral("ttyS7"));
        ScriptedDialogs dialogs;
        bool steppedAside = false;
        QVERIFY(!dialer::dialNumber(missing, QStringLiteral("555-0101"), dialogs,
                                    [&] { steppedAside = true; }));
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Unable to open ") + missing});
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QVERIFY(!steppedAside);

        // A file that is not a serial line cannot be opened as one either.
        const QString plain = QDir(dir.path()).filePath(QStringLiteral("notaport"));
        writeFile(plain, "x");
        ScriptedDialogs again;
        QVERIFY(!dialer::dialNumber(plain, QString(), again));
        QCOMPARE(again.texts(), QStringList{QStringLiteral("Unable to open ") + plain});
    }

    // A modem that stops taking bytes (the line's buffer full, nobody reading) fails the dial,
    // and the user is never told to pick up.
    void aNumberThatCannotBeWrittenIsNotDialled()
    {
        PseudoTerminal line;
        QVERIFY(line.isOpen());
        ScriptedDialogs dialogs;
        bool steppedAside = false;
        const QString endless(4 * 1024 * 1024, QLatin1Char('5'));
        QVERIFY(!dialer::dialNumber(line.device(), endless, dialogs, [&] { steppedAside = true; }));
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Unable to dial number.")});
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QVERIFY(!steppedAside);
        QVERIFY(!line.readToEnd().contains("ATH"));
    }

    void portSettingReadsWhatTheFileSays_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("port");
        QTest::newRow("no file") << QByteArray() << 1;
        QTest::newRow("no setting") << QByteArray("[General]\nOther=1\n") << 1;
        QTest::newRow("com3") << QByteArray("[General]\nDialerPort=com3\n") << 3;
        QTest::newRow("upper case") << QByteArray("[General]\nDialerPort=COM4\n") << 4;
        QTest::newRow("beyond com4") << QByteArray("[General]\nDialerPort=com5\n") << 1;
        QTest::newRow("not a port") << QByteArray("[General]\nDialerPort=modem\n") << 1;
        QTest::newRow("another section") << QByteArray("[Dialer]\nDialerPort=com2\n") << 1;
    }
    void portSettingReadsWhatTheFileSays()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, port);
        QTemporaryDir dir;
        if (!file.isEmpty())
            writeFile(iniIn(dir), file);
        QCOMPARE(dialer::readDialerPort(iniIn(dir)), port);
    }

    // The stored value is what a hand-edited file would hold, and other settings survive it.
    void portSettingRoundTrip()
    {
        QTemporaryDir dir;
        writeFile(iniIn(dir), "[General]\nModemInit=ATZ\n");
        QVERIFY(dialer::writeDialerPort(iniIn(dir), 2));
        QCOMPARE(dialer::readDialerPort(iniIn(dir)), 2);
        QFile file(iniIn(dir));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[General]"), text.constData());
        QVERIFY2(text.contains("DialerPort=com2"), text.constData());
        QVERIFY2(text.contains("ModemInit=ATZ"), text.constData());
        file.close();

        QVERIFY(!dialer::writeDialerPort(iniIn(dir), 0));
        QVERIFY(!dialer::writeDialerPort(iniIn(dir), 5));
        QCOMPARE(dialer::readDialerPort(iniIn(dir)), 2);

        // A folder the user cannot write to reports the loss.
        const QString blocked = QDir(dir.path()).filePath(QStringLiteral("afile"));
        writeFile(blocked, "x");
        QVERIFY(!dialer::writeDialerPort(blocked + QStringLiteral("/Larkmoor.ini"), 3));
    }
};

QTEST_GUILESS_MAIN(TestModemDial)
#include "test_modemdial.moc"

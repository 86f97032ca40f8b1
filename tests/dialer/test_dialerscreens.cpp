// The dialer and its setup as the user meets them: from the keyboard, on a pseudo-terminal
// standing in for the modem, with the port kept in Larkmoor.ini.
#include "dialer/dialersettings.h"
#include "dialer/ui/tfrmdialer.h"
#include "dialer/ui/tfrmdialersetup.h"
#include "modalwatcher.h"
#include "pseudoterminal.h"
#include "scripteddialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace
{

// Records each message with what the user would see of the dialer and the line at that moment.
class ProbeDialogs final : public Dialogs
{
public:
    std::function<void()> onMessage;
    QStringList texts;
    void inform(Kind, const QString& text) override
    {
        texts << text;
        if (onMessage)
            onMessage();
    }
    Button ask(Kind, const QString& text, Buttons) override
    {
        texts << text;
        return Cancel;
    }
};

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDialerScreens : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* dir_ = nullptr;
    QString ini() const { return QDir(dir_->path()).filePath(QStringLiteral("Larkmoor.ini")); }

private Q_SLOTS:
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void looksAsTheUserKnowsIt()
    {
        TfrmDialer dialer;
        dialer.setPartyName(QStringLiteral("Ames, Ruth"));
        dialer.setPhoneNumber(QStringLiteral("555-0101"));
        QCOMPARE(dialer.windowTitle(), QStringLiteral("Dialer"));
        QCOMPARE(dialer.prompt(), QStringLiteral("Phone 'Ames, Ruth'\rat 555-0101"));
        dialer.show();
        QCOMPARE(dialer.lblPrompt->text(), QStringLiteral("Phone 'Ames, Ruth'\nat 555-0101"));
        QVERIFY(dialer.btnOK->isDefault());
        QCOMPARE(dialer.btnSetup->text(), QStringLiteral("&Setup"));
        // Reused for the next party: showing again shows the new one.
        dialer.hide();
        dialer.setPartyName(QStringLiteral("County Meals Fund"));
        dialer.setPhoneNumber(QString());
        dialer.show();
        QCOMPARE(dialer.lblPrompt->text(), QStringLiteral("Phone 'County Meals Fund'\nat "));

        TfrmDialerSetup setup(ini());
        QCOMPARE(setup.windowTitle(), QStringLiteral("Dialer Setup"));
        QCOMPARE(setup.cboPort->count(), 4);
        QCOMPARE(setup.cboPort->itemText(0), QStringLiteral("COM1"));
        QCOMPARE(setup.cboPort->itemText(3), QStringLiteral("COM4"));
        QVERIFY(setup.cboPort->toolTip().contains(dialer::serialDeviceFor(4)));
    }

    // Enter dials on the port of the setting; the screen has stepped aside when the user is told
    // to pick up, the number is on the line by then and the hang-up follows OK.
    void enterDialsOnTheChosenPort()
    {
        QVERIFY(dialer::writeDialerPort(ini(), 3));
        PseudoTerminal line;
        QVERIFY(line.isOpen());
        ProbeDialogs dialogs;
        TfrmDialer dialer;
        dialer.dialogs = &dialogs;
        dialer.iniPath = ini();
        QList<int> portsAsked;
        dialer.deviceFor = [&](int port) {
            portsAsked << port;
            return line.device();
        };
        bool visibleAtPickUp = true;
        QByteArray onLineAtPickUp;
        dialogs.onMessage = [&] {
            visibleAtPickUp = dialer.isVisible();
            onLineAtPickUp = line.read(14);
        };
        dialer.setPartyName(QStringLiteral("Ames, Ruth"));
        dialer.setPhoneNumber(QStringLiteral("555-0101"));
        dialer.show();
        QTest::keyClick(&dialer, Qt::Key_Return);

        QCOMPARE(portsAsked, QList<int>{3});
        QCOMPARE(dialogs.texts, QStringList{QStringLiteral(
                                    "Pick up the phone.\rClick OK after dialing has completed.")});
        QVERIFY(!visibleAtPickUp);
        QCOMPARE(onLineAtPickUp, QByteArray("ATDT555-0101\r\n"));
        QCOMPARE(line.readToEnd(), QByteArray("ATH\r\n"));
        QVERIFY(!dialer.isVisible());
        QCOMPARE(dialer.result(), int(QDialog::Accepted));
    }

    void cancelAndEscapeDialNothing()
    {
        PseudoTerminal line;
        ProbeDialogs dialogs;
        TfrmDialer dialer;
        dialer.dialogs = &dialogs;
        dialer.iniPath = ini();
        int opened = 0;
        dialer.deviceFor = [&](int) {
            ++opened;
            return line.device();
        };
        dialer.setPhoneNumber(QStringLiteral("555-0101"));
        dialer.show();
        QTest::keyClick(&dialer, Qt::Key_Escape);
        QCOMPARE(dialer.result(), int(QDialog::Rejected));
        dialer.show();
        dialer.btnCancel->click();
        QCOMPARE(dialer.result(), int(QDialog::Rejected));
        QVERIFY(!dialer.isVisible());
        QCOMPARE(opened, 0);
        QVERIFY(dialogs.texts.isEmpty());
        QVERIFY(!line.hasWaitingBytes());
    }

    // With no ini file the dialer uses COM1; when that port cannot be opened the screen says so
    // and stays, so that Setup can choose another.
    void aPortThatCannotBeOpenedKeepsTheScreen()
    {
        ProbeDialogs dialogs;
        TfrmDialer dialer;
        dialer.dialogs = &dialogs;
        dialer.iniPath = ini();
        const QString missing = QDir(dir_->path()).filePath(QStringLiteral("ttyS0"));
        QList<int> portsAsked;
        dialer.deviceFor = [&](int port) {
            portsAsked << port;
            return missing;
        };
        dialer.setPhoneNumber(QStringLiteral("555-0101"));
        dialer.show();
        QTest::keyClick(&dialer, Qt::Key_Return);
        QCOMPARE(portsAsked, QList<int>{1});
        QCOMPARE(dialogs.texts, QStringList{QStringLiteral("Unable to open ") + missing});
        QVERIFY(dialer.isVisible());
        QVERIFY(!QFile::exists(ini()));
    }

    // The setup shows the stored port, and OK (Enter) stores the one chosen with the arrow keys;
    // Escape keeps what was stored.
    void setupKeepsThePortFromTheKeyboard()
    {
        {
            TfrmDialerSetup setup(ini());
            setup.show();
            QCOMPARE(setup.cboPort->currentText(), QStringLiteral("COM1")); // no file yet
        }
        QVERIFY(dialer::writeDialerPort(ini(), 2));
        TfrmDialerSetup setup(ini());
        setup.show();
        QCOMPARE(setup.cboPort->currentText(), QStringLiteral("COM2"));
        QTest::keyClick(setup.cboPort, Qt::Key_Down);
        QCOMPARE(setup.cboPort->currentText(), QStringLiteral("COM3"));
        QTest::keyClick(&setup, Qt::Key_Return);
        QCOMPARE(setup.result(), int(QDialog::Accepted));
        QVERIFY2(fileText(ini()).contains("DialerPort=com3"), fileText(ini()).constData());

        setup.show();
        QCOMPARE(setup.cboPort->currentText(), QStringLiteral("COM3"));
        QTest::keyClick(setup.cboPort, Qt::Key_Down);
        QTest::keyClick(&setup, Qt::Key_Escape);
        QCOMPARE(setup.result(), int(QDialog::Rejected));
        QCOMPARE(dialer::readDialerPort(ini()), 3);
    }

    void setupThatCannotStoreSaysSo()
    {
        const QString blocker = QDir(dir_->path()).filePath(QStringLiteral("program"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString unwritable = blocker + QStringLiteral("/Larkmoor.ini");
        ScriptedDialogs dialogs;
        TfrmDialerSetup setup(unwritable);
        setup.dialogs = &dialogs;
        setup.show();
        QTest::keyClick(&setup, Qt::Key_Return);
        QCOMPARE(dialogs.texts(),
                 QStringList{QStringLiteral("Unable to save the dialer port in ") + unwritable});
        QVERIFY(setup.isVisible());
    }

    // Setup on the dialer changes the port the very next dial uses.
    void setupFromTheDialerChangesThePort()
    {
        TfrmDialer dialer;
        dialer.iniPath = ini();
        ProbeDialogs dialogs;
        dialer.dialogs = &dialogs;
        QList<int> portsAsked;
        const QString missing = QDir(dir_->path()).filePath(QStringLiteral("none"));
        dialer.deviceFor = [&](int port) {
            portsAsked << port;
            return missing;
        };
        dialer.show();
        ModalWatcher watcher;
        QString setupCaption;
        watcher.onDialog = [&](QDialog* d) {
            auto* setup = qobject_cast<TfrmDialerSetup*>(d);
            if (!setup)
                return d->reject();
            setupCaption = setup->windowTitle();
            setup->cboPort->setCurrentIndex(3);
            setup->btnOK->click();
        };
        dialer.btnSetup->click();
        QCOMPARE(setupCaption, QStringLiteral("Dialer Setup"));
        QCOMPARE(dialer::readDialerPort(ini()), 4);
        dialer.btnOK->click();
        QCOMPARE(portsAsked, QList<int>{4});
    }
};

QTEST_MAIN(TestDialerScreens)
#include "test_dialerscreens.moc"

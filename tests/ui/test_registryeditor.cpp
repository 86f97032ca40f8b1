// "Hearthtable Data Options": what the dialog shows from the user's settings and what it writes.
#include "data/registry.h"
#include "data/ui/registryeditor.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{

const QString kKeyError = QStringLiteral("Error in Opening Hearthtable Key");

// The user's settings in memory. Every write that reaches them is logged as
// "Setting/Value=text"; the settings named in `refused` cannot be opened for writing.
class WatchedRegistry final : public SettingsRegistry
{
public:
    std::optional<QString> read(const QString& setting, const QString& valueName) const override
    {
        return values.read(setting, valueName);
    }
    bool write(const QString& setting, const QString& valueName, const QString& text) override
    {
        if (refused.contains(setting))
            return false;
        written << setting + QLatin1Char('/') + valueName + QLatin1Char('=') + text;
        return values.write(setting, valueName, text);
    }
    void set(const QString& setting, const QString& text)
    {
        values.write(setting, reg::ValueName, text);
    }
    QString get(const QString& setting) const
    {
        return values.read(setting, reg::ValueName).value_or(QStringLiteral("<none>"));
    }

    MemoryRegistry values;
    QStringList written;
    QSet<QString> refused;
};

template <class T> T* part(QWidget& form, const char* name)
{
    auto* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("the dialog has no %s", name);
    return widget;
}

// The dialog with its controls found by name, shown as the user would see it.
struct Editor {
    explicit Editor(Dialogs& dialogs) : form(dialogs)
    {
        form.setFolderPicker([this](QWidget*, const QString& caption, const QString& start) {
            pickerCalls << caption + QLatin1Char('|') + start;
            return pickerAnswer;
        });
    }
    bool open()
    {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }

    TFormRegistryEditor form;
    QRadioButton* fileServer = part<QRadioButton>(form, "rbFileServer");
    QRadioButton* clientServer = part<QRadioButton>(form, "rbClientServer");
    QLabel* locationLabel = part<QLabel>(form, "lblDataLocation");
    QLineEdit* location = part<QLineEdit>(form, "editDataLocation");
    QPushButton* browse = part<QPushButton>(form, "btnBrowse");
    QLineEdit* address = part<QLineEdit>(form, "editServerIP");
    QComboBox* serverType = part<QComboBox>(form, "cboServerType");
    QPushButton* ok = part<QPushButton>(form, "btnOK");
    QPushButton* cancel = part<QPushButton>(form, "btnCancel");
    QPushButton* deleteAll = part<QPushButton>(form, "btnDeleteAllSettings");

    QString pickerAnswer;
    QStringList pickerCalls;
};

} // namespace

class TestRegistryEditor : public QObject
{
    Q_OBJECT
private:
    WatchedRegistry* registry_ = nullptr;

private Q_SLOTS:
    void init()
    {
        registry_ = new WatchedRegistry;
        setProcessRegistry(registry_);
    }
    void cleanup()
    {
        setProcessRegistry(nullptr);
        delete registry_;
    }

    void showReadsTheSettings_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<bool>("clientServer");
        QTest::addColumn<QString>("serverType");
        QTest::newRow("C, Internet") << "C"
                                     << "Internet" << true << "Internet";
        QTest::newRow("lower-case c and internet") << "c"
                                                   << "internet" << false << "LAN";
        QTest::newRow("nothing stored") << QString() << QString() << false << "LAN";
    }
    void showReadsTheSettings()
    {
        QFETCH(QString, mode);
        QFETCH(QString, connection);
        QFETCH(bool, clientServer);
        QFETCH(QString, serverType);
        if (!mode.isNull())
            registry_->set(reg::Mode, mode);
        if (!connection.isNull())
            registry_->set(reg::Connection, connection);
        registry_->set(reg::Alias, QStringLiteral("/srv/hearthtable"));
        registry_->set(reg::ServerIP, QStringLiteral("192.168.10.4"));
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        QVERIFY(e.open());
        QCOMPARE(e.clientServer->isChecked(), clientServer);
        QCOMPARE(e.fileServer->isChecked(), !clientServer);
        QCOMPARE(e.locationLabel->text(), clientServer ? QStringLiteral("Shared Ini Directory:")
                                                       : QStringLiteral("Data Location:"));
        QCOMPARE(e.location->text(), QStringLiteral("/srv/hearthtable"));
        QCOMPARE(e.address->text(), QStringLiteral("192.168.10.4"));
        QCOMPARE(e.serverType->currentText(), serverType);
        QVERIFY(registry_->written.isEmpty());
        QVERIFY(dialogs.shown().isEmpty());
    }

    void okWritesTheFourSettingsInOrder_data()
    {
        QTest::addColumn<bool>("clientServer");
        QTest::addColumn<int>("serverType");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("client-server")
            << true << 1 << "10.0.0.25:12005"
            << QStringList{"Mode/Hearthtable=C", "Alias/Hearthtable=/mnt/shared",
                           "Server IP/Hearthtable=10.0.0.25:12005",
                           "Connection/Hearthtable=Internet"};
        QTest::newRow("file server, unfinished address as typed")
            << false << 0 << "192.168"
            << QStringList{"Mode/Hearthtable=F", "Alias/Hearthtable=/mnt/shared",
                           "Server IP/Hearthtable=192.168", "Connection/Hearthtable=LAN"};
    }
    void okWritesTheFourSettingsInOrder()
    {
        QFETCH(bool, clientServer);
        QFETCH(int, serverType);
        QFETCH(QString, typed);
        QFETCH(QStringList, written);
        // Start from the opposite of what is chosen, so that nothing passes by standing still.
        registry_->set(reg::Mode, clientServer ? QStringLiteral("F") : QStringLiteral("C"));
        registry_->set(reg::Connection,
                       serverType ? QStringLiteral("LAN") : QStringLiteral("Internet"));
        registry_->set(reg::Alias, QStringLiteral("/old"));
        registry_->set(reg::ServerIP, QStringLiteral("127.0.0.1"));
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        QVERIFY(e.open());
        QTest::mouseClick(clientServer ? e.clientServer : e.fileServer, Qt::LeftButton);
        e.pickerAnswer = QStringLiteral("/mnt/shared");
        QTest::mouseClick(e.browse, Qt::LeftButton);
        e.address->clear();
        QTest::keyClicks(e.address, typed);
        e.serverType->setCurrentIndex(serverType);
        QTest::mouseClick(e.ok, Qt::LeftButton);

        QCOMPARE(registry_->written, written);
        QCOMPARE(e.form.result(), int(QDialog::Accepted));
        QVERIFY(!e.form.isVisible());
        QVERIFY(dialogs.shown().isEmpty());
    }

    void cancelWritesNothingAndReopeningRereadsTheSettings()
    {
        registry_->set(reg::Mode, QStringLiteral("F"));
        registry_->set(reg::Alias, QStringLiteral("/old"));
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        e.pickerAnswer = QStringLiteral("/new");
        for (const bool byEscape : {false, true}) {
            QVERIFY(e.open());
            QVERIFY(e.deleteAll->isHidden()); // never offered
            QVERIFY(e.fileServer->isChecked());
            QCOMPARE(e.locationLabel->text(), QStringLiteral("Data Location:"));
            QCOMPARE(e.location->text(),
                     byEscape ? QStringLiteral("/srv/b") : QStringLiteral("/old"));
            QCOMPARE(e.serverType->currentText(), QStringLiteral("LAN"));
            QTest::mouseClick(e.clientServer, Qt::LeftButton);
            QCOMPARE(e.locationLabel->text(), QStringLiteral("Shared Ini Directory:"));
            QTest::mouseClick(e.fileServer, Qt::LeftButton);
            QCOMPARE(e.locationLabel->text(), QStringLiteral("Data Location:"));
            QTest::mouseClick(e.clientServer, Qt::LeftButton);
            QTest::mouseClick(e.browse, Qt::LeftButton);
            QTest::keyClicks(e.address, QStringLiteral("10.9.8.7"));
            e.serverType->setCurrentIndex(1);
            if (byEscape)
                QTest::keyClick(&e.form, Qt::Key_Escape);
            else
                QTest::mouseClick(e.cancel, Qt::LeftButton);
            QVERIFY(!e.form.isVisible());
            QCOMPARE(e.form.result(), int(QDialog::Rejected));
            registry_->set(reg::Alias, QStringLiteral("/srv/b")); // changed by the host meanwhile
        }
        QVERIFY(registry_->written.isEmpty());
        QCOMPARE(registry_->get(reg::Mode), QStringLiteral("F"));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void browseReplacesTheLocationOrKeepsIt()
    {
        registry_->set(reg::Alias, QStringLiteral("/srv/old"));
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        QVERIFY(e.open());
        QTest::keyClicks(e.location, QStringLiteral("x")); // only the browse button changes it
        QCOMPARE(e.location->text(), QStringLiteral("/srv/old"));

        e.pickerAnswer = QStringLiteral("/srv/new");
        QTest::mouseClick(e.browse, Qt::LeftButton);
        QCOMPARE(e.location->text(), QStringLiteral("/srv/new"));

        e.pickerAnswer.clear(); // cancelled
        QTest::mouseClick(e.browse, Qt::LeftButton);
        QCOMPARE(e.location->text(), QStringLiteral("/srv/new"));

        QCOMPARE(e.pickerCalls, (QStringList{"Locate Hearthtable Data Folder|/srv/old",
                                             "Locate Hearthtable Data Folder|/srv/new"}));
    }

    // The platform's own picker, as the form sets it up; what a chosen folder does to the
    // location is the seam's case above.
    void platformPickerStartsAtTheLocationAndShowsHiddenFolders()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        registry_->set(reg::Alias, home.path());
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        e.form.setFolderPicker({}); // back to the platform's own
        QString title, directory;
        bool showsHidden = false, foldersOnly = false;
        QVERIFY(e.open());
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!picker)
                return;
            title = picker->windowTitle();
            directory = picker->directory().absolutePath();
            showsHidden = picker->filter().testFlag(QDir::Hidden);
            foldersOnly = picker->fileMode() == QFileDialog::Directory &&
                          picker->testOption(QFileDialog::ShowDirsOnly);
            picker->reject();
        });
        QTest::mouseClick(e.browse, Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Locate Hearthtable Data Folder"));
        QCOMPARE(directory, QDir(home.path()).absolutePath());
        QVERIFY(showsHidden);
        QVERIFY(foldersOnly);
        QCOMPARE(e.location->text(), home.path());
    }

    void addressTakesFourGroupsOfDigits()
    {
        const struct {
            const char* typed;
            const char* shown;
        } cases[] = {{"1a9x2.168.1.2O0", "192.168.1.20"}, // letters refused
                     {"10.0.0.1.5", "10.0.0.15"},         // no fifth group
                     {"1234.5.6.7", "123.5.6.7"},         // no fourth digit
                     {"10..0.0.1", "10.0.0.1"},           // no empty group
                     {"10.0.0.1:12005", "10.0.0.1:12005"},
                     {"10.0.0.1:123456", "10.0.0.1:12345"}, // port of five digits at most
                     {"10.0.0:5", "10.0.05"}};              // port only after four groups
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        QVERIFY(e.open());
        for (const auto& c : cases) {
            e.address->clear();
            QTest::keyClicks(e.address, QString::fromLatin1(c.typed));
            QCOMPARE(e.address->text(), QString::fromLatin1(c.shown));
        }
    }

    void unwritableSettingIsReportedAndTheOthersWritten()
    {
        const QStringList refused{reg::Mode, reg::Connection};
        registry_->set(reg::Mode, QStringLiteral("C"));
        registry_->set(reg::Alias, QStringLiteral("/data"));
        registry_->set(reg::ServerIP, QStringLiteral("10.1.1.1"));
        registry_->refused = QSet<QString>(refused.cbegin(), refused.cend());
        ScriptedDialogs dialogs;
        Editor e(dialogs);
        QVERIFY(e.open());
        QTest::mouseClick(e.ok, Qt::LeftButton);
        QCOMPARE(registry_->written,
                 (QStringList{"Alias/Hearthtable=/data", "Server IP/Hearthtable=10.1.1.1"}));
        QCOMPARE(dialogs.texts(), QStringList(refused.size(), kKeyError));
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QCOMPARE(e.form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestRegistryEditor)
#include "test_registryeditor.moc"

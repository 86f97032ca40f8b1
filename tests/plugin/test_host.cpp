// The stand-in host loading the real package: the package names its main class, the host's
// menu gains "Tallywick", and an unusable data location ends the host.
#include "host/ui/hostwindow.h"
#include "modalwatcher.h"

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TestHost : public QObject
{
    Q_OBJECT
private:
    static QString packagePath()
    {
        return QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("PlgTallywick"));
    }

private Q_SLOTS:
    void hostLoadsThePackage()
    {
        HearthtableWindow host(QStringLiteral("marta"), QString());
        QVERIFY2(host.loadPlugIn(packagePath()), qPrintable(host.loadError()));
        QCOMPARE(host.moduleObject()->metaObject()->className(), "TFormARSystem");
        QCOMPARE(host.modulesMenu()->actions().size(), 1);
        QCOMPARE(host.modulesMenu()->actions().first()->text(), QStringLiteral("Tallywick"));
        QVERIFY(host.module()->GetIsModuleInstalled(QStringLiteral("ARSystem")));
        QVERIFY(!host.module()->GetIsModuleInstalled(QStringLiteral("ARSYSTEM")));
    }

    void missingPackageIsReported()
    {
        HearthtableWindow host(QStringLiteral("marta"), QString());
        QVERIFY(!host.loadPlugIn(QDir::temp().filePath(QStringLiteral("NoSuchPackage"))));
        QVERIFY(!host.loadError().isEmpty());
        QVERIFY(host.modulesMenu()->actions().isEmpty());
    }

    void missingDataFolderEndsTheHost()
    {
        QTemporaryDir parent;
        const QString missing = parent.filePath(QStringLiteral("gone"));
        HearthtableWindow host(QStringLiteral("marta"), missing);
        int quits = 0;
        host.quit = [&] { ++quits; };
        QVERIFY(host.loadPlugIn(packagePath()));
        ModalWatcher watcher;
        host.modulesMenu()->actions().first()->trigger();
        QCOMPARE(
            watcher.messages,
            QStringList{QStringLiteral("The Hearthtable database:\n") + missing +
                        QStringLiteral(
                            "\ndoes not appear to be valid. Hearthtable will now terminate...")});
        QVERIFY(host.terminationRequested());
        QCOMPARE(host.userNameRequests(), 0);
        QCOMPARE(quits, 0); // not from inside the plug-in's call
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
    }

    void dataFolderOfTheRunIsUsedAndTheUserAsked()
    {
        QTemporaryDir data;
        HearthtableWindow host(QStringLiteral("marta"), data.path());
        QVERIFY(host.loadPlugIn(packagePath()));
        ModalWatcher watcher;
        QString consoleTitle;
        watcher.onDialog = [&](QDialog* d) {
            consoleTitle = d->windowTitle();
            d->accept();
        };
        host.modulesMenu()->actions().first()->trigger();
        // No host tables in an empty folder: the start shows the failed step's text once and
        // still opens.
        QCOMPARE(watcher.messages, QStringList{QStringLiteral("no such table: Config")});
        QCOMPARE(consoleTitle, QStringLiteral("Hearthtable Tallywick"));
        QCOMPARE(host.userNameRequests(), 1);
        QVERIFY(!host.terminationRequested());
        QVERIFY(QFile::exists(QDir(data.path()).filePath(QStringLiteral("Hearthtable.db"))));
    }
};

QTEST_MAIN(TestHost)
#include "test_host.moc"

#pragma once
// The stand-in for Hearthtable itself: a main window with a menu into which the AR plug-in adds
// its entry, the user the host reports, and the data options dialog.

#include "plugin/ui/hostcontract.h"

#include <QMainWindow>
#include <QPluginLoader>
#include <functional>

class QMenu;

class HearthtableWindow : public QMainWindow, public IHostInterface, public IHostServices
{
    Q_OBJECT
    Q_INTERFACES(IHostInterface IHostServices)
public:
    HearthtableWindow(const QString& userName, const QString& dataDirectoryOverride,
                      QWidget* parent = nullptr);
    ~HearthtableWindow() override;

    // Loads the package, creates the class its description names and hands it this window and
    // the Modules menu. False (with the reason in loadError()) when that cannot be done.
    bool loadPlugIn(const QString& fileName);
    QString loadError() const { return loadError_; }
    IPlugInModule* module() const { return module_; }
    QObject* moduleObject() const { return moduleObject_; }
    QMenu* modulesMenu() const { return modulesMenu_; }
    bool terminationRequested() const { return terminationRequested_; }
    int userNameRequests() const { return userNameRequests_; }

    // How the host ends itself once the AR module asks it to (replaced in tests).
    std::function<void()> quit;

    QString GetCurrentUserName() override;
    QString GetDataDirectoryOverride() override { return dataDirectoryOverride_; }
    void TerminateApplication() override;

private:
    void showDataOptions();

    QString userName_;
    QString dataDirectoryOverride_;
    QMenu* modulesMenu_;
    QPluginLoader loader_;
    QObject* moduleObject_ = nullptr;
    IPlugInModule* module_ = nullptr;
    QString loadError_;
    bool terminationRequested_ = false;
    int userNameRequests_ = 0;
};

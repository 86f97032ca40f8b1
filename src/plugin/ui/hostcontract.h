#pragma once
// What passes between Hearthtable and the plug-in. The host finds the plug-in's main class by
// the name in the package description, creates it, and calls Init, SetMenu and
// GetIsModuleInstalled on it; the plug-in calls back GetCurrentUserName on the host's window.

#include <QDateTime>
#include <QObject>
#include <QString>

class QMenu;
class QWidget;

// The host's call-back interface, found on the host's window by its id.
class IHostInterface
{
public:
    virtual ~IHostInterface() = default;
    virtual QString GetCurrentUserName() = 0;
};
#define IHostInterface_iid "{D0CC89C2-461D-49FE-B719-C343C1AC9430}"
Q_DECLARE_INTERFACE(IHostInterface, IHostInterface_iid)

// Further services a host may offer on its window: a data folder for this run only, and a way
// to end the host when the data location cannot be used.
class IHostServices
{
public:
    virtual ~IHostServices() = default;
    // A data folder that overrides the saved settings for this run (file-server mode), or empty.
    virtual QString GetDataDirectoryOverride() = 0;
    // The AR module cannot go on: the host ends itself.
    virtual void TerminateApplication() = 0;
};
#define IHostServices_iid "Hearthtable.IHostServices/1.0"
Q_DECLARE_INTERFACE(IHostServices, IHostServices_iid)

// The plug-in's main class as the host drives it.
class IPlugInModule
{
public:
    virtual ~IPlugInModule() = default;
    virtual void Init(QWidget* hostWindow) = 0;
    virtual void SetMenu(QMenu* menuItem) = 0;
    virtual bool GetIsModuleInstalled(const QString& moduleName) = 0;
    virtual void PrepareMenuDate(const QDateTime& date) = 0;
};
#define IPlugInModule_iid "Hearthtable.IPlugInModule/1.0"
Q_DECLARE_INTERFACE(IPlugInModule, IPlugInModule_iid)

// The package: makes an instance of the class its description names.
class IPlugInPackage
{
public:
    virtual ~IPlugInPackage() = default;
    virtual QObject* CreateInstance(const QString& className, QObject* owner) = 0;
};
#define IPlugInPackage_iid "Hearthtable.IPlugInPackage/1.0"
Q_DECLARE_INTERFACE(IPlugInPackage, IPlugInPackage_iid)

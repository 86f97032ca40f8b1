#pragma once
// The run-time package the host loads. Its description names the main class, "TFormARSystem",
// which the host asks the package to create.

#include "plugin/ui/hostcontract.h"

#include <QObject>

class PlgTallywick : public QObject, public IPlugInPackage
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IPlugInPackage_iid FILE "plgtallywick.json")
    Q_INTERFACES(IPlugInPackage)
public:
    QObject* CreateInstance(const QString& className, QObject* owner) override;
};

#include "plugin/package/plgtallywick.h"

#include "plugin/ui/formarsystem.h"

QObject* PlgTallywick::CreateInstance(const QString& className, QObject* owner)
{
    if (className != QLatin1String("TFormARSystem"))
        return nullptr;
    return new TFormARSystem(qobject_cast<QWidget*>(owner));
}

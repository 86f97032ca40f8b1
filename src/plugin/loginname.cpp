#include "plugin/loginname.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

QString loginName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
#ifndef Q_OS_WIN
    if (const passwd* entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return {};
}

#include "dialer/dialersettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace dialer
{

namespace
{
// QSettings keeps keys outside any group in the ini file's [General] section.
const QString kPortKey = QStringLiteral("DialerPort");
const QString kPortPrefix = QStringLiteral("com");
} // namespace

QString dialerIniPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Larkmoor.ini"));
}

int readDialerPort(const QString& iniPath)
{
    const QSettings ini(iniPath, QSettings::IniFormat);
    const QString value = ini.value(kPortKey).toString().trimmed().toLower();
    for (int port = kFirstPort; port <= kLastPort; ++port)
        if (value == kPortPrefix + QString::number(port))
            return port;
    return kFirstPort;
}

bool writeDialerPort(const QString& iniPath, int port)
{
    if (port < kFirstPort || port > kLastPort)
        return false;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(kPortKey, kPortPrefix + QString::number(port));
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QString serialDeviceFor(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

} // namespace dialer

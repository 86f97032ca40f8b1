#include "data/screensettings.h"

#include <QDir>
#include <QSettings>

ScreenSettings::ScreenSettings(const QString& databaseDirectory)
    : file_(QDir(databaseDirectory).filePath(QStringLiteral("Hearthtable.ini")))
{
}

QString ScreenSettings::read(const QString& section, const QString& key,
                             const QString& fallback) const
{
    const QSettings ini(file_, QSettings::IniFormat);
    return ini.value(section + QLatin1Char('/') + key, fallback).toString();
}

void ScreenSettings::write(const QString& section, const QString& key, const QString& value)
{
    QSettings ini(file_, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, value);
}

bool ScreenSettings::readBool(const QString& section, const QString& key, bool fallback) const
{
    return read(section, key, fallback ? QStringLiteral("True") : QStringLiteral("False")) ==
           QLatin1String("True");
}

void ScreenSettings::writeBool(const QString& section, const QString& key, bool value)
{
    write(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

int ScreenSettings::readIndex(const QString& section, const QString& key, int fallback) const
{
    bool ok = false;
    const int index = read(section, key, QString::number(fallback)).toInt(&ok);
    return ok ? index : fallback;
}

void ScreenSettings::writeIndex(const QString& section, const QString& key, int index)
{
    write(section, key, QString::number(index));
}

#include "data/registry.h"

#include "common/dialogs.h"

#include <QSettings>

namespace
{

const QString kOrganization = QStringLiteral("DBIsam");

QString key(const QString& setting, const QString& valueName)
{
    return setting + QLatin1Char('\n') + valueName;
}

SettingsRegistry* installed = nullptr;

} // namespace

std::optional<QString> UserRegistry::read(const QString& setting, const QString& valueName) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, setting);
    if (settings.status() != QSettings::NoError || !settings.contains(valueName))
        return std::nullopt;
    return settings.value(valueName).toString();
}

bool UserRegistry::write(const QString& setting, const QString& valueName, const QString& text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, setting);
    if (!settings.isWritable())
        return false;
    settings.setValue(valueName, text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QString> MemoryRegistry::read(const QString& setting, const QString& valueName) const
{
    const auto it = values_.constFind(key(setting, valueName));
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryRegistry::write(const QString& setting, const QString& valueName, const QString& text)
{
    values_.insert(key(setting, valueName), text);
    return true;
}

OverlayRegistry::OverlayRegistry(SettingsRegistry& base, MemoryRegistry overrides)
    : base_(base), overrides_(std::move(overrides))
{
}

std::optional<QString> OverlayRegistry::read(const QString& setting, const QString& valueName) const
{
    if (auto value = overrides_.read(setting, valueName))
        return value;
    return base_.read(setting, valueName);
}

bool OverlayRegistry::write(const QString& setting, const QString& valueName, const QString& text)
{
    return base_.write(setting, valueName, text);
}

SettingsRegistry& processRegistry()
{
    static UserRegistry user;
    return installed ? *installed : user;
}

void setProcessRegistry(SettingsRegistry* registry)
{
    installed = registry;
}

QString GetRegString(const QString& setting, const QString& valueName)
{
    return processRegistry().read(setting, valueName).value_or(QString());
}

bool SetRegString(Dialogs& dialogs, const QString& setting, const QString& text)
{
    // A second attempt, as a key that could not be created the first time sometimes can be.
    if (processRegistry().write(setting, reg::ValueName, text) ||
        processRegistry().write(setting, reg::ValueName, text))
        return true;
    dialogs.inform(Dialogs::Kind::Error, QStringLiteral("Error in Opening Hearthtable Key"));
    return false;
}

QString DBIsamAlias(const QString& aliasName)
{
    return GetRegString(reg::Alias, aliasName);
}

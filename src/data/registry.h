#pragma once
// The per-user settings shared with the host: under "Software\DBIsam\<Setting>" each setting
// keeps its text in the value named "Hearthtable". On Windows this is the registry itself;
// elsewhere a per-user settings file of the same shape.

#include <QHash>
#include <QString>
#include <optional>

class Dialogs;

class SettingsRegistry
{
public:
    virtual ~SettingsRegistry() = default;
    // The value, or nothing when the key cannot be opened or the value is missing.
    virtual std::optional<QString> read(const QString& setting, const QString& valueName) const = 0;
    // False when the key cannot be opened for writing.
    virtual bool write(const QString& setting, const QString& valueName, const QString& text) = 0;
};

// The current user's settings, as the host reads them.
class UserRegistry final : public SettingsRegistry
{
public:
    std::optional<QString> read(const QString& setting, const QString& valueName) const override;
    bool write(const QString& setting, const QString& valueName, const QString& text) override;
};

class MemoryRegistry final : public SettingsRegistry
{
public:
    std::optional<QString> read(const QString& setting, const QString& valueName) const override;
    bool write(const QString& setting, const QString& valueName, const QString& text) override;

private:
    QHash<QString, QString> values_;
};

// Settings for one run that sit in front of the user's own (the command line's --data):
// reads see the overrides first, writes go through to the user's settings.
class OverlayRegistry final : public SettingsRegistry
{
public:
    OverlayRegistry(SettingsRegistry& base, MemoryRegistry overrides);
    std::optional<QString> read(const QString& setting, const QString& valueName) const override;
    bool write(const QString& setting, const QString& valueName, const QString& text) override;

private:
    SettingsRegistry& base_;
    MemoryRegistry overrides_;
};

// The registry this process reads; the user's own unless a run or a test installs another.
SettingsRegistry& processRegistry();
void setProcessRegistry(SettingsRegistry* registry);

namespace reg
{
inline const QString Mode = QStringLiteral("Mode");
inline const QString Alias = QStringLiteral("Alias");
inline const QString ServerIP = QStringLiteral("Server IP");
inline const QString Connection = QStringLiteral("Connection");
inline const QString ValueName = QStringLiteral("Hearthtable");
inline const QString FallbackValueName = QStringLiteral("Hearth Table");
// Where reports go as PDF files when no printer is installed.
inline const QString PdfFolder = QStringLiteral("PDF Folder");
} // namespace reg

QString GetRegString(const QString& setting, const QString& valueName);
// Writes the text as the setting's "Hearthtable" value, creating the key when needed; false
// (after the error message) when the key cannot be opened.
bool SetRegString(Dialogs& dialogs, const QString& setting, const QString& text);
// The data folder named by an alias value ("Hearthtable", or "Hearth Table" as the fallback).
QString DBIsamAlias(const QString& aliasName);

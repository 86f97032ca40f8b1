#pragma once
// Each screen's remembered choices, kept in the shared "Hearthtable.ini" in the database's
// folder: one section per screen, one key per control. Check boxes and radio buttons are stored
// as "True" or "False", drop-down lists as the item index in decimal text.

#include <QString>

class ScreenSettings
{
public:
    explicit ScreenSettings(const QString& databaseDirectory);
    QString fileName() const { return file_; }

    QString read(const QString& section, const QString& key, const QString& fallback) const;
    void write(const QString& section, const QString& key, const QString& value);

    bool readBool(const QString& section, const QString& key, bool fallback) const;
    void writeBool(const QString& section, const QString& key, bool value);
    int readIndex(const QString& section, const QString& key, int fallback) const;
    void writeIndex(const QString& section, const QString& key, int index);

private:
    QString file_;
};

#pragma once
// The control tables hold one row of next-number counters. Drawing a number reads the row,
// changes it and stores it in one short write transaction that holds the table exclusively, so
// two workstations never draw the same number. Each caller states its own rule in `edit`.

#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

class Database;

class ControlRow
{
public:
    std::optional<qint64> integer(const QString& field) const;
    void set(const QString& field, qint64 value);
    bool wasEmpty() const { return wasEmpty_; }

private:
    friend void editControlRow(Database&, const QString&, const std::function<void(ControlRow&)>&);
    QVariantMap values_;
    QVariantMap changes_;
    bool wasEmpty_ = false;
};

// Runs `edit` on the table's row (a new all-empty row when the table has none) and stores the
// changes. Raises DbError when the engine cannot do it, or with the engine's text when another
// workstation holds the table for longer than the lock tries last; nothing is stored then.
void editControlRow(Database& db, const QString& table,
                    const std::function<void(ControlRow&)>& edit);

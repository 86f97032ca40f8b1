#pragma once
// The control rows a transaction holds locked for writing. Once a transaction has locked a
// control table, no other workstation can change its row until the transaction ends, so the row
// is read once and every later draw works on the copy kept here; the changes are written back
// once, just before the transaction commits. Going back to a savepoint restores the copies as
// they were when it began, so a number drawn inside it is given back.

#include <QHash>
#include <QString>
#include <QVariantMap>
#include <optional>

class Database;

class HeldRows
{
public:
    bool holds(const QString& table) const { return rows_.contains(table); }
    void hold(const QString& table) { rows_.insert(table, Row{}); }
    // The row as last read or changed; nothing before it was read in this transaction.
    std::optional<QVariantMap> row(const QString& table) const;
    void remember(const QString& table, const QVariantMap& values);
    // Applies changes to the kept row; they reach the table at write().
    void change(const QString& table, const QVariantMap& changes);
    // Writes the changes not yet written, one UPDATE per table.
    void write(Database& db);
    void clear() { rows_.clear(); }

    struct Row {
        std::optional<QVariantMap> values;
        QVariantMap unwritten;
    };
    using Snapshot = QHash<QString, Row>;
    Snapshot snapshot() const { return rows_; }
    void restore(const Snapshot& snapshot) { rows_ = snapshot; }

private:
    QHash<QString, Row> rows_;
};

#include "engine/controlrow.h"

#include "engine/database.h"
#include "engine/insertsql.h"
#include "engine/transaction.h"

#include <QSqlField>
#include <QSqlRecord>

std::optional<qint64> ControlRow::integer(const QString& field) const
{
    for (auto it = changes_.constBegin(); it != changes_.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value().toLongLong();
    }
    for (auto it = values_.constBegin(); it != values_.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value().isNull() ? std::nullopt
                                       : std::optional<qint64>(it.value().toLongLong());
    }
    return std::nullopt;
}

void ControlRow::set(const QString& field, qint64 value)
{
    changes_.insert(field, value);
}

void editControlRow(Database& db, const QString& table,
                    const std::function<void(ControlRow&)>& edit)
{
    Transaction tx(db, Transaction::Mode::Write);
    // A batch that draws many numbers locks the control table once and keeps it to its end.
    if (!db.holdsWriteLock(table)) {
        db.dialect().lockForWriting(db, table);
        db.noteWriteLock(table);
    }
    ControlRow row;
    if (std::optional<QVariantMap> held = db.heldRow(table)) {
        row.values_ = *held;
    } else {
        Statement read = db.prepare(QStringLiteral("SELECT * FROM %1 LIMIT 1").arg(table));
        read.exec();
        row.wasEmpty_ = !read.next();
        if (!row.wasEmpty_) {
            const QSqlRecord record = read.record();
            for (int i = 0; i < record.count(); ++i)
                row.values_.insert(record.fieldName(i), read.value(i));
        }
    }
    edit(row);
    if (!row.changes_.isEmpty()) {
        QStringList names;
        QStringList assignments;
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it) {
            names << it.key();
            assignments << it.key() + QStringLiteral(" = ?");
        }
        Statement write =
            db.prepare(row.wasEmpty_ ? sql::insertRows(table, names, 1)
                                     : QStringLiteral("UPDATE %1 SET %2")
                                           .arg(table, assignments.join(QStringLiteral(", "))));
        int n = 0;
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it)
            write.bind(n++, it.value());
        write.exec();
    } else if (row.wasEmpty_) {
        db.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
    }
    if (!row.wasEmpty_) {
        // Stored under the names the row was read with, so a later draw sees its own changes.
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it) {
            QString name = it.key();
            for (auto v = row.values_.constBegin(); v != row.values_.constEnd(); ++v)
                if (v.key().compare(name, Qt::CaseInsensitive) == 0)
                    name = v.key();
            row.values_.insert(name, it.value());
        }
        db.rememberHeldRow(table, row.values_);
    }
    tx.commit();
}

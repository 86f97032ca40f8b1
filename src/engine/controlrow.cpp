#include "engine/controlrow.h"

#include "engine/database.h"
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
    {
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
        QStringList placeholders;
        QStringList assignments;
        int n = 0;
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it) {
            const QString placeholder = QStringLiteral(":c%1").arg(++n);
            names << it.key();
            placeholders << placeholder;
            assignments << it.key() + QStringLiteral(" = ") + placeholder;
        }
        Statement write =
            db.prepare(row.wasEmpty_ ? QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                           .arg(table, names.join(QStringLiteral(", ")),
                                                placeholders.join(QStringLiteral(", ")))
                                     : QStringLiteral("UPDATE %1 SET %2")
                                           .arg(table, assignments.join(QStringLiteral(", "))));
        n = 0;
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it)
            write.bind(QStringLiteral("c%1").arg(++n), it.value());
        write.exec();
    } else if (row.wasEmpty_) {
        db.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
    }
    tx.commit();
}

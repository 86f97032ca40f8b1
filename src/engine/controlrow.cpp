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
    HeldRows& held = db.heldRows();
    if (!held.holds(table)) {
        db.dialect().lockForWriting(db, table);
        held.hold(table);
    }
    ControlRow row;
    if (std::optional<QVariantMap> kept = held.row(table)) {
        row.values_ = *kept;
    } else {
        Statement read = db.prepare(QStringLiteral("SELECT * FROM %1 LIMIT 1").arg(table));
        read.exec();
        row.wasEmpty_ = !read.next();
        if (!row.wasEmpty_) {
            const QSqlRecord record = read.record();
            for (int i = 0; i < record.count(); ++i)
                row.values_.insert(record.fieldName(i), read.value(i));
            held.remember(table, row.values_);
        }
    }
    edit(row);
    if (!row.wasEmpty_) {
        // Written once, when the transaction commits.
        held.change(table, row.changes_);
    } else if (!row.changes_.isEmpty()) {
        Statement insert = db.prepare(sql::insertRows(table, row.changes_.keys(), 1));
        int n = 0;
        for (auto it = row.changes_.constBegin(); it != row.changes_.constEnd(); ++it)
            insert.bind(sql::placeholder(n++), it.value());
        insert.exec();
    } else {
        db.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
    }
    tx.commit();
}

#include "engine/heldrows.h"

#include "engine/database.h"

#include <QStringList>

namespace
{
// The key of the map that names the field, without regard to case; the field itself if none.
QString keyOf(const QVariantMap& map, const QString& field)
{
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.key();
    return field;
}
} // namespace

std::optional<QVariantMap> HeldRows::row(const QString& table) const
{
    const auto found = rows_.constFind(table);
    return found == rows_.constEnd() ? std::nullopt : found->values;
}

void HeldRows::remember(const QString& table, const QVariantMap& values)
{
    const auto found = rows_.find(table);
    if (found != rows_.end())
        found->values = values;
}

void HeldRows::change(const QString& table, const QVariantMap& changes)
{
    Row& row = rows_[table];
    if (!row.values)
        row.values = QVariantMap();
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
        row.values->insert(keyOf(*row.values, it.key()), it.value());
        row.unwritten.insert(keyOf(row.unwritten, it.key()), it.value());
    }
}

void HeldRows::write(Database& db)
{
    for (auto row = rows_.begin(); row != rows_.end(); ++row) {
        if (row->unwritten.isEmpty())
            continue;
        QStringList assignments;
        for (auto it = row->unwritten.constBegin(); it != row->unwritten.constEnd(); ++it)
            assignments << it.key() + QStringLiteral(" = ?");
        Statement update = db.prepare(QStringLiteral("UPDATE %1 SET %2")
                                          .arg(row.key(), assignments.join(QStringLiteral(", "))));
        int position = 0;
        for (auto it = row->unwritten.constBegin(); it != row->unwritten.constEnd(); ++it)
            update.bind(position++, it.value());
        update.exec();
        row->unwritten.clear();
    }
}

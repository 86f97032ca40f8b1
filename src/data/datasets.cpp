#include "data/datasets.h"

#include "engine/database.h"

Dataset::Dataset(Database& db, QObject* owner) : QObject(owner), db_(db) {}

void Dataset::open()
{
    if (open_)
        return;
    load();
    open_ = true;
    position_ = 0;
}

void Dataset::close()
{
    rows_.clear();
    open_ = false;
    position_ = 0;
}

void Dataset::refresh()
{
    if (!open_)
        return;
    const qsizetype keep = position_;
    load();
    position_ = std::min(keep, rows_.size());
}

void Dataset::load()
{
    Statement s = db_.query(selectSql());
    const QVariantMap params = parameters();
    for (auto it = params.constBegin(); it != params.constEnd(); ++it)
        s.bind(it.key(), it.value());
    s.exec();
    QList<QSqlRecord> rows;
    while (s.next())
        rows << s.record();
    rows_ = std::move(rows);
}

bool Dataset::first()
{
    position_ = 0;
    return !rows_.isEmpty();
}

bool Dataset::next()
{
    if (position_ < rows_.size())
        ++position_;
    return position_ < rows_.size();
}

QVariant Dataset::field(const QString& name) const
{
    if (position_ >= rows_.size())
        return {};
    return rows_[position_].value(name);
}

TableDataset::TableDataset(Database& db, const QString& table, QObject* owner)
    : Dataset(db, owner), table_(table)
{
}

QString TableDataset::selectSql() const
{
    QString sql = QStringLiteral("SELECT * FROM ") + table_;
    if (!filter_.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter_;
    if (!orderBy_.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy_;
    return sql;
}

QueryDataset::QueryDataset(Database& db, const QString& sql, QObject* owner)
    : Dataset(db, owner), sql_(sql)
{
}

namespace
{

template <typename Kind> void applyCommand(const QString& command, QObject* owner)
{
    if (!owner)
        return;
    void (Dataset::*action)() = nullptr;
    if (command == QLatin1String("O"))
        action = &Dataset::open;
    else if (command == QLatin1String("R"))
        action = &Dataset::refresh;
    else if (command == QLatin1String("C"))
        action = &Dataset::close;
    else
        return;
    for (QObject* child : owner->children()) {
        if (auto* dataset = qobject_cast<Kind*>(child))
            (dataset->*action)();
    }
}

} // namespace

void Tables(const QString& command, QObject* form)
{
    applyCommand<TableDataset>(command, form);
}

void DMTables(const QString& command, QObject* dataModule)
{
    applyCommand<TableDataset>(command, dataModule);
}

void Queries(const QString& command, QObject* form)
{
    applyCommand<QueryDataset>(command, form);
}

void DMQueries(const QString& command, QObject* dataModule)
{
    applyCommand<QueryDataset>(command, dataModule);
}

#pragma once
// The one row a lookup reads, and the columns a row may leave empty (NULL), read and written
// alike by the stores and lookups of every document.

#include "common/money.h"
#include "engine/database.h"
#include "engine/statement.h"

#include <QVariant>
#include <optional>
#include <type_traits>
#include <utility>

namespace rowvalues
{

// Runs the statement and reads its first row; nothing when it returns none.
template <typename Read>
auto firstRow(Statement& s, Read read) -> std::optional<std::decay_t<decltype(read(s))>>
{
    s.exec();
    if (!s.next())
        return std::nullopt;
    return read(s);
}

// The row of `table` whose `keyColumn` is the key, its `columns` read by `read`.
template <typename Read>
auto rowByKey(Database& db, const QString& table, const QString& keyColumn, const QString& columns,
              qint64 key, Read read)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :id").arg(columns, table, keyColumn));
    s.bind(QStringLiteral("id"), key);
    return firstRow(s, read);
}

// The first row (by key) of `table` whose `numberColumn` is exactly this number; nothing for an
// empty number.
template <typename Read>
auto firstRowByNumber(Database& db, const QString& table, const QString& numberColumn,
                      const QString& keyColumn, const QString& columns, const QString& number,
                      Read read) -> decltype(firstRow(std::declval<Statement&>(), read))
{
    if (number.isEmpty())
        return std::nullopt;
    Statement s = db.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :no ORDER BY %4 LIMIT 1")
                                 .arg(columns, table, numberColumn, keyColumn));
    s.bind(QStringLiteral("no"), number);
    return firstRow(s, read);
}

inline std::optional<int> optionalInt(const Statement& s, const QString& column)
{
    const std::optional<qint64> v = s.optionalInteger(column);
    return v ? std::optional<int>(int(*v)) : std::nullopt;
}

inline std::optional<double> optionalReal(const Statement& s, const QString& column)
{
    const QVariant v = s.value(column);
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}

inline std::optional<Money> optionalMoney(const Statement& s, const QString& column)
{
    return s.isNull(column) ? std::nullopt : std::optional<Money>(s.money(column));
}

// The value to store: NULL for an empty one.
template <typename T> QVariant orNull(const std::optional<T>& value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}

} // namespace rowvalues

#pragma once
// The one row a lookup reads, and the columns a row may leave empty (NULL), read and written
// alike by the stores and lookups of every document.

#include "common/money.h"
#include "engine/statement.h"

#include <QVariant>
#include <optional>
#include <type_traits>

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

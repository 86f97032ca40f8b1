#pragma once
// A small whole-number column that may be NULL (GLPeriod, GLYear), as the registers read it.

#include "engine/statement.h"

#include <optional>

inline std::optional<int> optionalInt(const Statement& s, const QString& column)
{
    const std::optional<qint64> v = s.optionalInteger(column);
    return v ? std::optional<int>(int(*v)) : std::nullopt;
}

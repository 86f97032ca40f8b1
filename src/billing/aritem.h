#pragma once
// The AR item that stands for a host meal item on invoice lines.

#include <QtGlobal>
#include <optional>

class Database;

namespace billing
{
// The ItemID of the AR item whose ItemNo is the host's Item_ID; none when items have not been
// synchronized since the meal item was added (the run decides what to do then).
std::optional<qint64> arItemIdOf(Database& db, qint64 hostItemId);
} // namespace billing

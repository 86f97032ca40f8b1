#pragma once
// What the item list narrows itself to, and finding an item by its number or description.

#include <QString>
#include <optional>

class Database;

namespace codetables
{

enum class SuspendedChoice { All, Yes, No };

// The list's filter: "(ItemTypeID =3)" and "(Suspended = true)" joined by "and"; empty when
// nothing narrows it.
QString itemFilter(std::optional<qint64> itemTypeId, SuspendedChoice suspended);

// The first item, in the order searched, whose number or description starts with `typed`
// (without regard to case).
std::optional<qint64> findItem(Database& db, bool byNumber, const QString& typed);
QString itemNotFoundMessage(const QString& typed);

} // namespace codetables

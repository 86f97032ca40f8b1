#include "masterdata/codetables/itemlist.h"

#include "engine/database.h"
#include "engine/dialect.h"

#include <QStringList>

namespace codetables
{

QString itemFilter(std::optional<qint64> itemTypeId, SuspendedChoice suspended)
{
    QStringList parts;
    if (itemTypeId)
        parts << QStringLiteral("(ItemTypeID =") + QString::number(*itemTypeId) + QLatin1Char(')');
    if (suspended == SuspendedChoice::Yes)
        parts << QStringLiteral("(Suspended = true)");
    else if (suspended == SuspendedChoice::No)
        parts << QStringLiteral("(Suspended = false)");
    return parts.join(QStringLiteral(" and "));
}

std::optional<qint64> findItem(Database& db, bool byNumber, const QString& typed)
{
    const QString column = byNumber ? QStringLiteral("ItemNo") : QStringLiteral("ItemDescription");
    // Compared here rather than with LIKE, so that '%' and '_' in a number are plain characters.
    Statement s = db.query(QStringLiteral("SELECT ItemID, %1 FROM Item ORDER BY %2, ItemID")
                               .arg(column, db.dialect().nocaseOrder(column)));
    s.exec();
    while (s.next())
        if (s.text(1).startsWith(typed, Qt::CaseInsensitive))
            return s.integer(0);
    return std::nullopt;
}

QString itemNotFoundMessage(const QString& typed)
{
    return QStringLiteral("Item no. '") + typed + QStringLiteral("'not found");
}

} // namespace codetables

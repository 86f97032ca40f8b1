#include "billing/aritem.h"

#include "engine/database.h"

namespace billing
{

std::optional<qint64> arItemIdOf(Database& db, qint64 hostItemId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT ItemID FROM Item WHERE ItemNo = :number ORDER BY ItemID"));
    s.bind(QStringLiteral("number"), QString::number(hostItemId)).exec();
    std::optional<qint64> id;
    if (s.next())
        id = s.integer(0);
    s.finish();
    return id;
}

} // namespace billing

#include "receivables/posting/waitingdocuments.h"

#include "engine/database.h"

namespace posting
{

int countWaiting(Database& db, const QString& fromWhere)
{
    Statement s = db.prepare(QStringLiteral("SELECT COUNT(*) ") + fromWhere);
    s.exec();
    return s.next() ? int(s.integer(0)) : 0;
}

std::vector<qint64> waitingKeys(Database& db, const QString& key, const QString& fromWhere)
{
    Statement s = db.prepare(QStringLiteral("SELECT %1 ").arg(key) + fromWhere +
                             QStringLiteral(" ORDER BY %1").arg(key));
    s.exec();
    std::vector<qint64> keys;
    while (s.next())
        keys.push_back(s.integer(0));
    return keys;
}

} // namespace posting

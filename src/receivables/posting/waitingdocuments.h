#pragma once
// The documents a posting pass takes, named by the FROM and WHERE of a query over them (with
// their customer, since a document whose customer record is gone stays unposted).

#include <QString>
#include <vector>

class Database;

namespace posting
{
// How many documents `fromWhere` names.
int countWaiting(Database& db, const QString& fromWhere);
// Their keys, read from column `key`, in the order they are posted (ascending).
std::vector<qint64> waitingKeys(Database& db, const QString& key, const QString& fromWhere);
} // namespace posting

#pragma once
// Changing the customers' running balances (CBalance) by what a block of posted documents adds:
// invoices raise a balance, payments lower it. A customer without a balance row gets one
// holding the change; a balance never stored counts as 0.

#include "common/money.h"

#include <QMap>

class Database;

namespace posting
{
// Keyed by CustomerID; a QMap so the rows are changed in key order and two workstations never
// wait for each other's rows crosswise. Runs inside the caller's transaction, in a few
// statements of many rows each. Raises DbError.
void addToBalances(Database& db, const QMap<qint64, Money>& changes);
} // namespace posting

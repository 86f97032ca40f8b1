#pragma once
// What the pledge lines of posted invoices come to. A pledge line is a line of an item whose
// number begins with "P"; it counts what it added to its invoice.

#include "common/money.h"

#include <QMap>
#include <QString>

class Database;

// Per ARInvoiceID, in key order, over posted invoices with pledge lines that also meet
// `condition` (SQL over the invoice as "I"; empty for every posted invoice). Raises DbError.
QMap<qint64, Money> postedPledgeTotals(Database& db, const QString& condition = {});

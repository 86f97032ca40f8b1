#pragma once
// The two whole-table locks a posting pass holds from start to end: first the table of the
// documents it posts (ARInv, ARPmt), then the customers' balances (CBalance). A lock another
// job holds asks the pass's question with Retry and Cancel; Cancel raises LockError, and a
// cancelled balance lock gives the documents' table back first.

#include "engine/tablelock.h"

#include <QString>

class Database;
class Dialogs;

namespace posting
{
inline const QString kBalancesLocked = QStringLiteral(
    "Unable to lock Customer Balance table... this table is being updated by another job.");

class PostingLocks
{
public:
    PostingLocks(Database& db, Dialogs& dialogs, const QString& documentTable,
                 const QString& documentQuestion);

private:
    // Released in the reverse order: the balances first.
    TableLock documents_;
    TableLock balances_;
};
} // namespace posting

#include "receivables/posting/postinglocks.h"

namespace posting
{

PostingLocks::PostingLocks(Database& db, Dialogs& dialogs, const QString& documentTable,
                           const QString& documentQuestion)
    : documents_(db, documentTable, dialogs, documentQuestion),
      balances_(db, QStringLiteral("CBalance"), dialogs, kBalancesLocked)
{
}

} // namespace posting

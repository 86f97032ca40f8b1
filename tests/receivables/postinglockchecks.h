#pragma once
// The table locks every posting pass takes, checked the same way for invoices and payments:
// with the documents' table held by another workstation, Cancel gives up with nothing posted;
// with the balances held, Cancel gives the documents' table back; Retry once the other
// workstation lets go posts, and leaves both tables free.

#include <QString>
#include <functional>

class Database;
class Dialogs;

namespace postingfixture
{
struct PassUnderLocks {
    QString documentTable;    // ARInv, ARPmt
    QString documentQuestion; // asked while another workstation holds it
    // One posting pass with these dialogs; how many documents it posted. Raises LockError.
    std::function<int(Dialogs&)> post;
    // How many documents are posted in the ledger.
    std::function<int()> posted;
};

// Expects one document waiting and nothing posted; leaves it posted by the retried pass. A
// failed check ends the calling test (QTest::currentTestFailed()).
void checkLockedTablesAskRetryOrCancel(Database& db, const PassUnderLocks& pass);
} // namespace postingfixture

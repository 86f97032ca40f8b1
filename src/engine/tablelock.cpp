#include "engine/tablelock.h"

#include "common/dialogs.h"
#include "engine/database.h"

TableLock::TableLock(Database& db, const QString& table, Dialogs& dialogs, const QString& question)
    : db_(db), table_(table)
{
    while (!db_.tryLockTable(table_)) {
        const auto answer =
            dialogs.ask(Dialogs::Kind::Warning, question, Dialogs::Retry | Dialogs::Cancel);
        if (answer != Dialogs::Retry)
            throw LockError(question);
    }
    held_ = true;
}

TableLock::~TableLock()
{
    release();
}

void TableLock::release()
{
    if (!held_)
        return;
    held_ = false;
    try {
        db_.unlockTable(table_);
    } catch (...) {
        // The lock dies with the connection in any case.
    }
}

#include "engine/transaction.h"

#include "engine/database.h"

Transaction::Transaction(Database& db, Mode mode) : db_(db)
{
    db_.beginTransaction(mode == Mode::Write);
}

Transaction::~Transaction()
{
    if (open_) {
        try {
            db_.rollbackTransaction();
        } catch (...) {
            // A failed rollback leaves nothing more to undo; the connection reports it next time.
        }
    }
}

void Transaction::commit()
{
    open_ = false;
    db_.commitTransaction();
}

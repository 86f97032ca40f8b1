#include "engine/savepoint.h"

#include "engine/database.h"

Savepoint::Savepoint(Database& db) : db_(db)
{
    db_.beginSavepoint();
}

Savepoint::~Savepoint()
{
    if (open_) {
        try {
            db_.rollbackToSavepoint();
        } catch (...) {
            // Nothing more can be undone here; the transaction's own end reports it.
        }
    }
}

void Savepoint::release()
{
    open_ = false;
    db_.releaseSavepoint();
}

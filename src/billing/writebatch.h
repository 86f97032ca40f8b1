#pragma once
// The run's writes, committed together for a fraction of a second at a time. Committing every
// invoice alone would spend most of a run writing the journal; a batch still holds only whole
// invoices, each written inside its own savepoint, so one that fails is undone alone and the
// invoices before it are kept when the batch is committed. Other workstations wait at most one
// batch for the database.

#include "engine/transaction.h"

#include <QElapsedTimer>
#include <optional>

class Database;

namespace billing
{

class WriteBatch
{
public:
    explicit WriteBatch(Database& db) : db_(db) {}

    // Begins the batch's transaction unless one is open.
    void open();
    // Commits when the batch has been open long enough.
    void commitIfDue();
    // Commits what the batch holds now.
    void commit();

private:
    Database& db_;
    std::optional<Transaction> transaction_;
    QElapsedTimer opened_;
};

} // namespace billing

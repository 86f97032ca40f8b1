#pragma once
// The run's writes, committed together for a fraction of a second at a time. Committing every
// invoice alone would spend most of a run writing the journal, and writing each alone would cost
// several round trips to a server per invoice. The invoices of a batch are gathered as whole
// units (unitbatch.h) and written together when the batch commits; when the engine refuses one,
// the invoices before it are kept and committed and the refusal is raised. Other workstations
// wait at most one batch for the database.

#include "engine/transaction.h"
#include "engine/unitbatch.h"

#include <QElapsedTimer>
#include <functional>
#include <optional>

class Database;

namespace billing
{

class WriteBatch
{
public:
    explicit WriteBatch(Database& db) : db_(db), units_(db) {}

    // Begins the batch's transaction unless one is open.
    void open();
    // Commits when the batch has been open long enough.
    void commitIfDue();
    // Writes the units gathered and commits. When the engine refuses a unit, the units before
    // it are committed and the refusal is raised.
    void commit();

    // Where the units of the batch are gathered.
    UnitBatch& units() { return units_; }
    // Told after each write how many of the units gathered since the last were kept.
    void onWritten(std::function<void(qsizetype)> written) { written_ = std::move(written); }

private:
    Database& db_;
    std::optional<Transaction> transaction_;
    QElapsedTimer opened_;
    UnitBatch units_;
    std::function<void(qsizetype)> written_;
};

} // namespace billing

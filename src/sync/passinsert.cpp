#include "sync/passinsert.h"

#include "engine/database.h"
#include "engine/transaction.h"
#include "engine/unitbatch.h"

PassInsert::PassInsert(Database& db, const TableDef& table, const QStringList& fields,
                       int rowsPerCommit)
    : db_(db), table_(table), fields_(fields), rowsPerCommit_(std::max(1, rowsPerCommit))
{
    // Checks the fields now rather than at the first write.
    [[maybe_unused]] const BatchInsert check(db_, table_, fields_);
}

PassInsert::~PassInsert()
{
    try {
        finish();
    } catch (...) {
        // Nothing more can be kept; the next run adds what is still missing.
    }
}

void PassInsert::add(const QVariantList& values)
{
    if (values.size() != fields_.size())
        throw DbError(DbError::GeneralFailure, QStringLiteral("A new row needs %1 values, not %2")
                                                   .arg(fields_.size())
                                                   .arg(values.size()));
    group_ << values;
    if (group_.size() >= rowsPerCommit_)
        finish();
}

// Each row is a unit of its own: a refused row is found and the rows before it are kept.
// Inside a unit of work of the caller's, that unit decides what stays.
void PassInsert::finish()
{
    if (group_.isEmpty())
        return;
    const QList<QVariantList> rows = std::move(group_);
    group_.clear();
    Transaction tx(db_, Transaction::Mode::Write);
    UnitBatch batch(db_);
    for (const QVariantList& row : rows) {
        batch.add(table_, fields_, row);
        batch.endUnit();
    }
    try {
        batch.write();
    } catch (const DbError&) {
        written_ += batch.unitsKept();
        tx.commit();
        throw;
    }
    written_ += rows.size();
    tx.commit();
}

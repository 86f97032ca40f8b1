#include "sync/passinsert.h"

#include "engine/database.h"
#include "engine/transaction.h"

PassInsert::PassInsert(Database& db, const TableDef& table, const QStringList& fields,
                       int rowsPerCommit)
    : db_(db), table_(table), fields_(fields), rowsPerCommit_(std::max(1, rowsPerCommit))
{
    // Checks the fields now rather than at the first write.
    BatchInsert check(db_, table_, fields_);
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

void PassInsert::finish()
{
    if (group_.isEmpty())
        return;
    try {
        writeGroup();
    } catch (const DbError&) {
        writeOneByOne(); // raises the refused row's own error
        throw;
    }
    written_ += group_.size();
    group_.clear();
}

// Inside a unit of work of the caller's, that unit decides what stays; the group's statements
// are simply part of it.
void PassInsert::writeGroup()
{
    Transaction tx(db_, Transaction::Mode::Write);
    BatchInsert insert(db_, table_, fields_);
    for (const QVariantList& row : group_)
        insert.add(row);
    insert.finish();
    tx.commit();
}

// Each row is then its own unit of work, as PostgreSQL keeps nothing of a transaction in which a
// statement failed. This happens only when a row is refused, so its cost does not matter.
void PassInsert::writeOneByOne()
{
    const QList<QVariantList> rows = std::move(group_);
    group_.clear();
    BatchInsert insert(db_, table_, fields_, 1);
    for (const QVariantList& row : rows) {
        insert.add(row);
        ++written_;
    }
}

#pragma once
// The new rows of one synchronization pass, kept as if each row were a unit of work of its own:
// a pass that stops half-way keeps exactly the rows before the one that failed. For speed the
// rows are gathered in groups, each written as units of a UnitBatch (multi-row INSERTs; a
// refused row found unit by unit, the rows before it kept) and committed at once.
//
// Values are fitted to their fields (text cut to the field's size, empty text stored as NULL).

#include "engine/batchinsert.h"
#include "engine/tabledef.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

class Database;

class PassInsert
{
public:
    PassInsert(Database& db, const TableDef& table, const QStringList& fields,
               int rowsPerCommit = 1000);
    // Keeps what was given: the rows still gathered are written.
    ~PassInsert();
    PassInsert(const PassInsert&) = delete;
    PassInsert& operator=(const PassInsert&) = delete;

    // Gathers one row, its values in the order of the fields, and writes the group when it is
    // full. Raises DbError when the engine refuses a row of the group; the rows before it stay.
    void add(const QVariantList& values);
    // Writes the rows still gathered.
    void finish();
    // The rows written, and those gathered that finish() will write.
    qint64 rowsKept() const { return written_ + group_.size(); }

private:
    Database& db_;
    TableDef table_;
    QStringList fields_;
    int rowsPerCommit_;
    QList<QVariantList> group_;
    qint64 written_ = 0;
};

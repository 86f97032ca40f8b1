#pragma once
// Many rows of one table written with few statements: rows are gathered and sent as multi-row
// INSERT statements ("INSERT INTO t (a, b) VALUES (:p1, :p2), (:p3, :p4), ..."), one round trip to
// a server for many rows instead of one for each. The full-size statement is prepared once and
// reused for every full batch; only the last, shorter batch has a text of its own. Values are
// fitted to their fields as records::insert fits them (text cut to the field's size, empty text
// stored as NULL).
//
// Wrap the whole load in one Transaction: each statement is then one step of that unit of work
// instead of a commit of its own.

#include "engine/tabledef.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

class Database;
class Statement;

class BatchInsert
{
public:
    // The fields must be fields of the table. Without rowsPerStatement the engine's dialect
    // decides; it is lowered, if need be, so that one statement never carries more values than
    // the engine accepts.
    BatchInsert(Database& db, const TableDef& table, const QStringList& fields,
                int rowsPerStatement = 0);
    // Rows added since the last full batch are dropped unless finish() was called: a load that
    // fails half-way must not write its remainder while it unwinds.
    ~BatchInsert() = default;
    BatchInsert(const BatchInsert&) = delete;
    BatchInsert& operator=(const BatchInsert&) = delete;

    // One row, its values in the order of the fields. Writes a batch when one is full.
    void add(const QVariantList& values);
    // Writes the rows still waiting.
    void finish();
    // The value as field number `field` of the row stores it.
    QVariant fit(qsizetype field, const QVariant& value) const;
    // Writes rows whose values were fitted already, laid end to end in `values`: the rows from
    // firstRow on, `rows` of them, in as few statements as the size of a statement allows.
    void writeFitted(const QVariantList& values, qsizetype firstRow, qsizetype rows);

    int rowsPerStatement() const { return rowsPerStatement_; }
    qint64 rowsWritten() const { return rowsWritten_; }

private:
    int pendingRows() const;
    void flush();
    void writeStatement(const QVariant* values, int rows);

    Database& db_;
    QString table_;
    QList<FieldDef> fields_;
    QStringList columns_;
    QStringList placeholders_; // ":p1", ":p2", ... for a full statement
    QString fullText_;
    int rowsPerStatement_;
    QVariantList pending_; // fitted values, row after row
    qint64 rowsWritten_ = 0;
};

#pragma once
// Units of work written together. A unit is a few rows for a few tables that must be stored
// whole or not at all (an invoice with its lines and history entries). The rows of the units
// gathered are written at once, table by table, as multi-row INSERTs inside the open
// transaction: a handful of statements for many units instead of several per unit.
//
// When the engine refuses them, the write is undone and the units are written again one by one,
// each in a savepoint, up to the refused one: the units before it stay, the control rows the
// transaction holds are put back as they were when the refused unit began (so its numbers are
// given back), and the refusal is raised.

#include "engine/heldrows.h"
#include "engine/tabledef.h"

#include <QList>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>

class BatchInsert;
class Database;
class DbError;

class UnitBatch
{
public:
    explicit UnitBatch(Database& db) : db_(db) {}

    // Begins a unit: the control rows the transaction holds, as they are now, are what the
    // unit gives back when it is refused. Call it before the unit draws its numbers; a row added
    // outside a unit begins one.
    void beginUnit();
    // A row of the unit being gathered, its values in the order of the fields. Every row of a
    // table must name the same fields.
    void add(const TableDef& table, const QStringList& fields, QVariantList values);
    // The unit being gathered is whole. `onRefused` may raise, in place of the engine's refusal
    // of the unit's rows, the error its owner reports (it is called only for the refused unit).
    void endUnit(std::function<void(const DbError&)> onRefused = {});
    // Forgets the rows of the unit being gathered.
    void dropUnit();

    // Writes the whole units gathered; see above for a refusal. Requires an open transaction.
    void write();
    // The units gathered and not yet written.
    qsizetype pendingUnits() const { return units_.size(); }
    // How many units the last write() kept: all of them, or those before the refused one.
    qsizetype unitsKept() const { return kept_; }

private:
    // A table's rows, their values fitted and laid end to end.
    struct TableRows {
        QString name;
        QStringList fields;
        std::shared_ptr<BatchInsert> writer;
        QVariantList values;
        qsizetype rows() const { return values.size() / fields.size(); }
    };
    struct Unit {
        QList<qsizetype> rowsAfter; // per table, how many rows it had when the unit ended
        HeldRows::Snapshot heldRowsBefore;
        std::function<void(const DbError&)> onRefused;
    };
    TableRows& tableRows(const TableDef& table, const QStringList& fields);
    qsizetype rowsBefore(qsizetype unit, qsizetype table) const;
    void writeUnits(qsizetype first, qsizetype count);
    void writeOneByOne();
    void clear();

    Database& db_;
    QList<TableRows> tables_;
    QList<Unit> units_;
    // The unit being gathered: whether one is begun, and the held rows when it began.
    bool gathering_ = false;
    HeldRows::Snapshot heldRowsBefore_;
    qsizetype kept_ = 0;
};

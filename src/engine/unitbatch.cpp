#include "engine/unitbatch.h"

#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/savepoint.h"

#include <QScopeGuard>
#include <optional>

int UnitBatch::tableIndex(const TableDef& table, const QStringList& fields)
{
    for (qsizetype i = 0; i < tables_.size(); ++i) {
        if (tables_[i].table.name == table.name) {
            if (tables_[i].fields != fields)
                throw DbError(
                    DbError::GeneralFailure,
                    QStringLiteral("Rows of table %1 name different fields").arg(table.name));
            return int(i);
        }
    }
    tables_ << TableRows{table, fields};
    return int(tables_.size() - 1);
}

void UnitBatch::add(const TableDef& table, const QStringList& fields, QVariantList values)
{
    if (units_.isEmpty() && gathering_.isEmpty())
        heldRowsBefore_ = db_.heldRows().snapshot();
    gathering_ << Row{tableIndex(table, fields), std::move(values)};
}

void UnitBatch::endUnit(std::function<void(const DbError&)> onRefused)
{
    if (units_.isEmpty() && gathering_.isEmpty())
        heldRowsBefore_ = db_.heldRows().snapshot();
    units_ << Unit{std::move(gathering_), db_.heldRows().snapshot(), std::move(onRefused)};
    gathering_.clear();
}

void UnitBatch::dropUnit()
{
    gathering_.clear();
}

// Table by table in the order the tables first came, so a unit's rows go in the order it gave
// them within each table.
void UnitBatch::writeRows(const QList<const Row*>& rows)
{
    for (qsizetype t = 0; t < tables_.size(); ++t) {
        std::optional<BatchInsert> insert;
        for (const Row* row : rows) {
            if (row->table != t)
                continue;
            if (!insert)
                insert.emplace(db_, tables_[t].table, tables_[t].fields);
            insert->add(row->values);
        }
        if (insert)
            insert->finish();
    }
}

void UnitBatch::write()
{
    kept_ = 0;
    if (units_.isEmpty())
        return;
    const auto done = qScopeGuard([this] { clear(); });
    QList<const Row*> rows;
    for (const Unit& unit : units_)
        for (const Row& row : unit.rows)
            rows << &row;
    try {
        Savepoint all(db_);
        writeRows(rows);
        all.release();
        kept_ = units_.size();
        return;
    } catch (const DbError&) {
        // Undone; found below, unit by unit.
    }
    writeOneByOne();
}

void UnitBatch::writeOneByOne()
{
    for (qsizetype i = 0; i < units_.size(); ++i) {
        QList<const Row*> rows;
        for (const Row& row : units_[i].rows)
            rows << &row;
        try {
            Savepoint one(db_);
            writeRows(rows);
            one.release();
        } catch (const DbError& refused) {
            db_.heldRows().restore(i == 0 ? heldRowsBefore_ : units_[i - 1].heldRowsAfter);
            kept_ = i;
            if (units_[i].onRefused)
                units_[i].onRefused(refused);
            throw;
        }
    }
    // Every unit went in on its own: what failed was the statements together, not a row.
    kept_ = units_.size();
}

void UnitBatch::clear()
{
    units_.clear();
    gathering_.clear();
    tables_.clear();
}

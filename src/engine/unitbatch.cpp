#include "engine/unitbatch.h"

#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/savepoint.h"

#include <QScopeGuard>
#include <optional>

UnitBatch::TableRows& UnitBatch::tableRows(const TableDef& table, const QStringList& fields)
{
    for (TableRows& rows : tables_) {
        if (rows.name == table.name) {
            if (rows.fields != fields)
                throw DbError(
                    DbError::GeneralFailure,
                    QStringLiteral("Rows of table %1 name different fields").arg(table.name));
            return rows;
        }
    }
    tables_ << TableRows{table.name, fields, std::make_shared<BatchInsert>(db_, table, fields), {}};
    return tables_.last();
}

void UnitBatch::beginUnit()
{
    heldRowsBefore_ = db_.heldRows().snapshot();
    gathering_ = true;
}

void UnitBatch::add(const TableDef& table, const QStringList& fields, QVariantList values)
{
    if (!gathering_)
        beginUnit();
    TableRows& rows = tableRows(table, fields);
    if (values.size() != fields.size())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("A row of table %1 needs %2 values, not %3")
                          .arg(table.name)
                          .arg(fields.size())
                          .arg(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        rows.values << rows.writer->fit(i, values[i]);
}

void UnitBatch::endUnit(std::function<void(const DbError&)> onRefused)
{
    if (!gathering_)
        beginUnit();
    Unit unit{{}, std::move(heldRowsBefore_), std::move(onRefused)};
    for (const TableRows& rows : tables_)
        unit.rowsAfter << rows.rows();
    units_ << std::move(unit);
    heldRowsBefore_.clear();
    gathering_ = false;
}

void UnitBatch::dropUnit()
{
    heldRowsBefore_.clear();
    for (qsizetype t = 0; t < tables_.size(); ++t)
        tables_[t].values.resize(rowsBefore(units_.size(), t) * tables_[t].fields.size());
    gathering_ = false;
}

// How many rows the table had when the unit began.
qsizetype UnitBatch::rowsBefore(qsizetype unit, qsizetype table) const
{
    if (unit == 0)
        return 0;
    const QList<qsizetype>& after = units_[unit - 1].rowsAfter;
    return table < after.size() ? after[table] : 0;
}

// Table by table in the order the tables first came, so the units' rows go in the order they
// were given within each table.
void UnitBatch::writeUnits(qsizetype first, qsizetype count)
{
    for (qsizetype t = 0; t < tables_.size(); ++t) {
        const qsizetype from = rowsBefore(first, t);
        const qsizetype to = rowsBefore(first + count, t);
        if (to > from)
            tables_[t].writer->writeFitted(tables_[t].values, from, to - from);
    }
}

void UnitBatch::write()
{
    kept_ = 0;
    if (units_.isEmpty())
        return;
    const auto done = qScopeGuard([this] { clear(); });
    try {
        Savepoint all(db_);
        writeUnits(0, units_.size());
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
        try {
            Savepoint one(db_);
            writeUnits(i, 1);
            one.release();
        } catch (const DbError& refused) {
            db_.heldRows().restore(units_[i].heldRowsBefore);
            kept_ = i;
            if (units_[i].onRefused)
                units_[i].onRefused(refused);
            throw;
        }
    }
    // Every unit went in on its own: what failed was the statements together, not a row.
    kept_ = units_.size();
}

// The tables and the room their rows took stay for the next batch.
void UnitBatch::clear()
{
    units_.clear();
    for (TableRows& rows : tables_)
        rows.values.clear();
    gathering_ = false;
}

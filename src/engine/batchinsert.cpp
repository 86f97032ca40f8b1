#include "engine/batchinsert.h"

#include "engine/database.h"
#include "engine/insertsql.h"
#include "engine/recordwriter.h"

#include <algorithm>

BatchInsert::BatchInsert(Database& db, const TableDef& table, const QStringList& fields,
                         int rowsPerStatement)
    : db_(db), table_(table.name)
{
    if (fields.isEmpty())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("No fields named for rows of table %1").arg(table.name));
    for (const QString& name : fields) {
        const FieldDef* field = table.field(name);
        if (!field)
            throw DbError(DbError::GeneralFailure,
                          QStringLiteral("Field '%1' not found in table %2").arg(name, table.name));
        fields_ << *field;
        columns_ << Dialect::identifier(field->name);
    }
    const int width = int(fields_.size());
    if (rowsPerStatement <= 0)
        rowsPerStatement = db.dialect().valuesPerInsert() / width;
    rowsPerStatement_ =
        std::clamp(rowsPerStatement, 1, std::max(1, db.dialect().parameterLimit() / width));
    fullText_ = sql::insertRows(table_, columns_, rowsPerStatement_);
    pending_.reserve(rowsPerStatement_ * fields_.size());
}

void BatchInsert::add(QVariantList values)
{
    if (values.size() != fields_.size())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("A row of table %1 needs %2 values, not %3")
                          .arg(table_)
                          .arg(fields_.size())
                          .arg(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        pending_ << records::fitToField(fields_[i], values[i]);
    if (pendingRows() == rowsPerStatement_)
        flush();
}

void BatchInsert::finish()
{
    if (!pending_.isEmpty())
        flush();
}

void BatchInsert::discard()
{
    pending_.clear();
}

int BatchInsert::pendingRows() const
{
    return int(pending_.size() / fields_.size());
}

void BatchInsert::flush()
{
    const int rows = pendingRows();
    Statement s = db_.prepare(rows == rowsPerStatement_ ? fullText_
                                                        : sql::insertRows(table_, columns_, rows));
    for (qsizetype i = 0; i < pending_.size(); ++i)
        s.bind(int(i), pending_[i]);
    // The rows leave the queue before the statement runs, so a failed batch is not sent twice.
    pending_.clear();
    s.exec();
    rowsWritten_ += rows;
}

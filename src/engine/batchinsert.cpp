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
    placeholders_.reserve(rowsPerStatement_ * width);
    for (int i = 0; i < rowsPerStatement_ * width; ++i)
        placeholders_ << sql::placeholder(i);
    pending_.reserve(rowsPerStatement_ * fields_.size());
}

void BatchInsert::add(const QVariantList& values)
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

int BatchInsert::pendingRows() const
{
    return int(pending_.size() / fields_.size());
}

QVariant BatchInsert::fit(qsizetype field, const QVariant& value) const
{
    return records::fitToField(fields_[field], value);
}

void BatchInsert::writeFitted(const QVariantList& values, qsizetype firstRow, qsizetype rows)
{
    const qsizetype width = fields_.size();
    for (qsizetype done = 0; done < rows; done += rowsPerStatement_) {
        const int chunk = int(std::min<qsizetype>(rowsPerStatement_, rows - done));
        writeStatement(values.constData() + (firstRow + done) * width, chunk);
    }
}

void BatchInsert::flush()
{
    const int rows = pendingRows();
    // The rows leave the queue before the statement runs, so a failed batch is not sent twice.
    const QVariantList values = std::move(pending_);
    pending_.clear();
    writeStatement(values.constData(), rows);
}

void BatchInsert::writeStatement(const QVariant* values, int rows)
{
    Statement s = db_.prepare(rows == rowsPerStatement_ ? fullText_
                                                        : sql::insertRows(table_, columns_, rows));
    const qsizetype count = rows * fields_.size();
    for (qsizetype i = 0; i < count; ++i)
        s.bind(placeholders_[i], values[i]);
    s.exec();
    rowsWritten_ += rows;
}

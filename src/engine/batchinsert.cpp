#include "engine/batchinsert.h"

#include "engine/database.h"
#include "engine/recordwriter.h"

#include <algorithm>

namespace
{
// SQLite's default limit on host parameters since 3.32, and PostgreSQL's protocol limit.
constexpr int kSqliteParameterLimit = 32766;
constexpr int kPostgresParameterLimit = 65535;
} // namespace

int BatchInsert::parameterLimit(const Database& db)
{
    return db.isSqlite() ? kSqliteParameterLimit : kPostgresParameterLimit;
}

BatchInsert::BatchInsert(Database& db, const TableDef& table, const QStringList& fields,
                         int rowsPerStatement)
    : db_(db), table_(table.name)
{
    if (fields.isEmpty())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("No fields named for rows of table %1").arg(table.name));
    QStringList columns;
    for (const QString& name : fields) {
        const FieldDef* field = table.field(name);
        if (!field)
            throw DbError(DbError::GeneralFailure,
                          QStringLiteral("Field '%1' not found in table %2").arg(name, table.name));
        fields_ << *field;
        columns << Dialect::identifier(field->name);
    }
    columnList_ = columns.join(QStringLiteral(", "));
    rowsPerStatement_ =
        std::clamp(rowsPerStatement, 1, std::max(1, parameterLimit(db) / int(fields_.size())));
    const int values = rowsPerStatement_ * int(fields_.size());
    placeholders_.reserve(values);
    for (int i = 1; i <= values; ++i)
        placeholders_ << QStringLiteral(":p%1").arg(i);
    fullText_ = statementText(rowsPerStatement_);
    pending_.reserve(values);
}

QString BatchInsert::statementText(int rows) const
{
    const int width = int(fields_.size());
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table_, columnList_);
    sql.reserve(sql.size() + rows * width * 8);
    for (int r = 0; r < rows; ++r) {
        sql += r == 0 ? QStringLiteral("(") : QStringLiteral(", (");
        for (int c = 0; c < width; ++c) {
            if (c > 0)
                sql += QStringLiteral(", ");
            sql += placeholders_[r * width + c];
        }
        sql += QLatin1Char(')');
    }
    return sql;
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
    if (pending_.size() == placeholders_.size())
        flush();
}

void BatchInsert::finish()
{
    if (!pending_.isEmpty())
        flush();
}

void BatchInsert::flush()
{
    const int rows = int(pending_.size() / fields_.size());
    Statement s = db_.prepare(rows == rowsPerStatement_ ? fullText_ : statementText(rows));
    for (qsizetype i = 0; i < pending_.size(); ++i)
        s.bind(placeholders_[i], pending_[i]);
    // The rows leave the queue before the statement runs, so a failed batch is not sent twice.
    pending_.clear();
    s.exec();
    rowsWritten_ += rows;
}

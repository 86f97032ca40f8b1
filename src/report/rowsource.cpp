#include "report/rowsource.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QSqlRecord>

namespace report
{

QueryRowSource::QueryRowSource(Database& db, QString sql,
                               QList<std::pair<QString, QVariant>> bindings)
    : db_(db), sql_(std::move(sql)), bindings_(std::move(bindings))
{
}

QueryRowSource::~QueryRowSource() = default;

void QueryRowSource::open()
{
    statement_ = std::make_unique<Statement>(db_.query(sql_));
    for (const auto& [name, value] : bindings_)
        statement_->bind(name, value);
    statement_->exec();
    const QSqlRecord record = statement_->record();
    fields_.clear();
    for (int i = 0; i < record.count(); ++i)
        fields_.append(record.fieldName(i));
    row_ = Row(fields_);
}

bool QueryRowSource::next()
{
    if (!statement_)
        open();
    if (!statement_->next())
        return false;
    // A NULL reads alike on both engines: no value (PostgreSQL's driver gives a typed null,
    // which would print as 0).
    for (int i = 0; i < fields_.size(); ++i) {
        const QVariant value = statement_->value(i);
        row_.set(fields_.at(i), value.isNull() ? QVariant() : value);
    }
    return true;
}

void QueryRowSource::rewind()
{
    statement_.reset();
}

} // namespace report

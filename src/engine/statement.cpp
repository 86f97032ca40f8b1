#include "engine/statement.h"

#include "common/money.h"
#include "engine/database.h"
#include "engine/dberror.h"

#include <QSqlError>
#include <QSqlRecord>

Statement::Statement(Database& db, std::shared_ptr<PreparedQuery> prepared)
    : db_(&db), prepared_(std::move(prepared))
{
    prepared_->inUse = true;
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), prepared_(std::move(other.prepared_))
{
    other.db_ = nullptr;
}

Statement::~Statement()
{
    if (!prepared_)
        return;
    dropRest();
    prepared_->query.finish();
    prepared_->inUse = false;
}

Statement& Statement::bind(const QString& name, const QVariant& value)
{
    const QString placeholder = name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
    query().bindValue(placeholder, db_->dialect().toStorage(value));
    return *this;
}

Statement& Statement::bind(int position, const QVariant& value)
{
    query().bindValue(position, db_->dialect().toStorage(value));
    return *this;
}

Statement& Statement::exec()
{
    // Running again drops what was left of this statement's last result.
    dropRest();
    db_->beforeStatement();
    if (!query().exec())
        throw db_->errorFrom(query().lastError(), query().lastQuery());
    if (query().isSelect())
        db_->startedReading(prepared_.get());
    return *this;
}

bool Statement::next()
{
    if (auto& ahead = prepared_->readAhead) {
        if (ahead->rows.empty()) {
            ahead->current.reset();
            return false;
        }
        ahead->current = std::move(ahead->rows.front());
        ahead->rows.pop_front();
        return true;
    }
    if (query().next())
        return true;
    db_->stoppedReading(prepared_.get());
    return false;
}

void Statement::finish()
{
    dropRest();
    query().finish();
}

void Statement::dropRest()
{
    db_->stoppedReading(prepared_.get());
    prepared_->readAhead.reset();
}

QVariant Statement::value(int column) const
{
    if (const auto& ahead = prepared_->readAhead)
        return ahead->current ? ahead->current->value(column) : QVariant();
    return query().value(column);
}

QSqlRecord Statement::record() const
{
    if (const auto& ahead = prepared_->readAhead)
        return ahead->current.value_or(ahead->columns);
    return query().record();
}

QVariant Statement::value(const QString& column) const
{
    if (!prepared_->layout)
        prepared_->layout = db_->columnLayout(query());
    ColumnLayout& layout = *prepared_->layout;
    auto asked = layout.asked.constFind(column);
    if (asked == layout.asked.constEnd())
        asked = layout.asked.insert(column, layout.byLowerName.value(column.toLower(), -1));
    const int index = *asked;
    if (index < 0)
        throw DbError(DbError::GeneralFailure, QStringLiteral("Field '%1' not found").arg(column));
    return value(index);
}

std::optional<qint64> Statement::optionalInteger(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

bool Statement::boolean(int column) const
{
    return Dialect::readBool(value(column));
}

bool Statement::boolean(const QString& column) const
{
    return Dialect::readBool(value(column));
}

Money Statement::money(const QString& column) const
{
    return Money::fromRaw(value(column).toLongLong());
}

Money Statement::hostMoney(const QString& column) const
{
    return Money::fromHost(value(column));
}

QDate Statement::date(const QString& column) const
{
    return Dialect::readDate(value(column));
}

QDateTime Statement::timestamp(const QString& column) const
{
    return Dialect::readTimestamp(value(column));
}

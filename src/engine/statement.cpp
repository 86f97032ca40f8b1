#include "engine/statement.h"

#include "common/money.h"
#include "engine/database.h"
#include "engine/dberror.h"

#include <QSqlError>
#include <QSqlRecord>

Statement::Statement(Database& db, QSqlQuery query) : db_(&db), query_(std::move(query)) {}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), query_(std::move(other.query_))
{
    other.db_ = nullptr;
}

Statement::~Statement()
{
    if (db_)
        query_.finish();
}

Statement& Statement::bind(const QString& name, const QVariant& value)
{
    const QString placeholder = name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
    query_.bindValue(placeholder, db_->dialect().toStorage(value));
    return *this;
}

Statement& Statement::bind(int position, const QVariant& value)
{
    query_.bindValue(position, db_->dialect().toStorage(value));
    return *this;
}

Statement& Statement::exec()
{
    if (!query_.exec())
        throw db_->errorFrom(query_.lastError(), query_.lastQuery());
    return *this;
}

bool Statement::next()
{
    return query_.next();
}

void Statement::finish()
{
    query_.finish();
}

QVariant Statement::value(int column) const
{
    return query_.value(column);
}

QVariant Statement::value(const QString& column) const
{
    const int index = db_->columnPosition(query_, column);
    if (index < 0)
        throw DbError(DbError::GeneralFailure, QStringLiteral("Field '%1' not found").arg(column));
    return query_.value(index);
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

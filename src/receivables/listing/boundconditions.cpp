#include "receivables/listing/boundconditions.h"

#include "engine/statement.h"

void BoundConditions::add(const QString& condition, const QString& name, const QVariant& value)
{
    conditions_ << condition;
    if (!name.isEmpty())
        parameters_.insert(name, value);
}

QString BoundConditions::where() const
{
    if (conditions_.isEmpty())
        return {};
    return QStringLiteral(" WHERE ") + conditions_.join(QStringLiteral(" AND "));
}

void BoundConditions::bind(Statement& statement) const
{
    for (auto it = parameters_.constBegin(); it != parameters_.constEnd(); ++it)
        statement.bind(it.key(), it.value());
}

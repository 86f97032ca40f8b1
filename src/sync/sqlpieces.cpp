#include "sync/sqlpieces.h"

#include "engine/tabledef.h"

#include <stdexcept>

namespace syncsql
{

QString fitted(const TableDef& table, const QString& field, const QString& expr)
{
    const FieldDef* def = table.field(field);
    if (!def || def->size <= 0)
        throw std::logic_error("no text field " + field.toStdString() + " in " +
                               table.name.toStdString());
    return QStringLiteral("NULLIF(SUBSTR(%1, 1, %2), '')").arg(expr, QString::number(def->size));
}

QString isBlank(const QString& expr)
{
    return QStringLiteral("COALESCE(%1, '') = ''").arg(expr);
}

QString code(const QString& expr)
{
    return QStringLiteral("RTRIM(%1)").arg(expr);
}

} // namespace syncsql

#include "engine/recordwriter.h"

#include "engine/database.h"
#include "engine/insertsql.h"

namespace records
{

QVariant fitToField(const FieldDef& field, const QVariant& value)
{
    if ((field.type == FieldType::String || field.type == FieldType::Char) && !value.isNull()) {
        const QString text = value.toString();
        if (text.isEmpty())
            return QVariant(QMetaType::fromType<QString>());
        return field.size > 0 && text.size() > field.size ? QVariant(text.left(field.size))
                                                          : QVariant(text);
    }
    return value;
}

namespace
{
const FieldDef& fieldOf(const TableDef& table, const QString& name)
{
    const FieldDef* field = table.field(name);
    if (!field)
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("Field '%1' not found in table %2").arg(name, table.name));
    return *field;
}
} // namespace

void insert(Database& db, const TableDef& table, const QVariantMap& values)
{
    QStringList names;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        names << Dialect::identifier(fieldOf(table, it.key()).name);
    Statement s = db.prepare(sql::insertRows(table.name, names, 1));
    int n = 0;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        s.bind(sql::placeholder(n++), fitToField(fieldOf(table, it.key()), it.value()));
    s.exec();
}

int update(Database& db, const TableDef& table, const QVariantMap& values, const QString& where,
           const QVariantMap& whereParams)
{
    QStringList assignments;
    int n = 0;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        assignments << QStringLiteral("%1 = :v%2")
                           .arg(Dialect::identifier(fieldOf(table, it.key()).name))
                           .arg(++n);
    QString sql =
        QStringLiteral("UPDATE %1 SET %2").arg(table.name, assignments.join(QStringLiteral(", ")));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    Statement s = db.prepare(sql);
    n = 0;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        s.bind(QStringLiteral("v%1").arg(++n), fitToField(fieldOf(table, it.key()), it.value()));
    for (auto it = whereParams.constBegin(); it != whereParams.constEnd(); ++it)
        s.bind(it.key(), it.value());
    s.exec();
    return s.rowsAffected();
}

} // namespace records

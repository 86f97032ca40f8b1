#include "common/money.h"
#include "engine/database.h"
#include "engine/dialect.h"

#include <QSqlError>

QString PostgresDialect::nocaseOrder(const QString& expr) const
{
    return QStringLiteral("lower(%1)").arg(expr);
}

QString PostgresDialect::integerOrNull(const QString& expr) const
{
    return QStringLiteral("(CASE WHEN CAST(%1 AS TEXT) ~ '^[[:space:]]*-?[0-9]{1,18}[[:space:]]*$'"
                          " THEN CAST(TRIM(CAST(%1 AS TEXT)) AS BIGINT) END)")
        .arg(expr);
}

QString PostgresDialect::concat(const QStringList& parts) const
{
    return QStringLiteral("concat(%1)").arg(parts.join(QStringLiteral(", ")));
}

QString PostgresDialect::dateLiteral(const QDate& date) const
{
    return QStringLiteral("DATE '%1'").arg(date.toString(Qt::ISODate));
}

QString PostgresDialect::dropTempTable(const QString& table) const
{
    return QStringLiteral("DROP TABLE IF EXISTS pg_temp.%1").arg(table);
}

QVariant PostgresDialect::toStorage(const QVariant& value) const
{
    if (value.metaType().id() == QMetaType::QString && value.toString().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    if (value.metaType() == QMetaType::fromType<Money>())
        return QVariant(value.value<Money>().raw());
    return value;
}

bool PostgresDialect::tableExists(Database& db, const QString& table) const
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema()"
        " AND table_name = lower(:name)"));
    s.bind(QStringLiteral("name"), table).exec();
    return s.next();
}

TableDef PostgresDialect::describeTable(Database& db, const QString& table) const
{
    TableDef stored;
    stored.name = table;
    {
        Statement columns =
            db.prepare(QStringLiteral("SELECT column_name, data_type, character_maximum_length "
                                      "FROM information_schema.columns"
                                      " WHERE table_schema = current_schema() AND table_name = "
                                      "lower(:name) ORDER BY ordinal_position"));
        columns.bind(QStringLiteral("name"), table).exec();
        while (columns.next()) {
            FieldDef field;
            field.name = columns.text(0);
            QString type = columns.text(1);
            if (!columns.isNull(2))
                type += QStringLiteral("(%1)").arg(columns.integer(2));
            field.type = fieldTypeFromSql(type, &field.size);
            stored.fields << field;
        }
    }
    Statement indexes = db.prepare(QStringLiteral(
        "SELECT ic.relname, ix.indisunique, pg_get_indexdef(ix.indexrelid, k.n, true),"
        " (CAST(ix.indoption[k.n - 1] AS INTEGER) & 1)"
        " FROM pg_index ix JOIN pg_class ic ON ic.oid = ix.indexrelid"
        " JOIN pg_class tc ON tc.oid = ix.indrelid JOIN pg_namespace ns ON ns.oid = tc.relnamespace"
        " CROSS JOIN LATERAL generate_series(1, ix.indnkeyatts) AS k(n)"
        " WHERE ns.nspname = current_schema() AND tc.relname = lower(:name)"
        " ORDER BY ic.relname, k.n"));
    indexes.bind(QStringLiteral("name"), table).exec();
    const QString prefix = table.toLower() + QLatin1Char('_');
    IndexDef* current = nullptr;
    QString currentPhysical;
    while (indexes.next()) {
        const QString physical = indexes.text(0);
        if (physical != currentPhysical) {
            IndexDef index;
            index.name = physical.startsWith(prefix) ? physical.mid(prefix.size()) : physical;
            index.unique = indexes.boolean(1);
            index.caseInsensitive = true;
            index.descending = true;
            if (index.name == QLatin1String("primary") && index.unique) {
                index.name = kPrimaryIndexName;
                index.primary = true;
                index.unique = false;
            }
            stored.indexes << index;
            current = &stored.indexes.last();
            currentPhysical = physical;
        }
        QString column = indexes.text(2);
        const bool lowered = column.startsWith(QLatin1String("lower("));
        if (lowered) {
            column = column.mid(6);
            column = column.left(column.indexOf(QLatin1Char(')')));
            column = column.left(column.indexOf(QLatin1String("::")));
        }
        column.remove(QLatin1Char('"'));
        column.remove(QLatin1Char('('));
        current->fields << column;
        current->caseInsensitive = current->caseInsensitive && lowered;
        current->descending = current->descending && indexes.integer(3) != 0;
    }
    return stored;
}

QStringList PostgresDialect::storedIndexNames(Database& db, const QString& table) const
{
    QStringList names;
    Statement s = db.prepare(QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = "
                                            "current_schema() AND tablename = lower(:name)"
                                            " ORDER BY indexname"));
    s.bind(QStringLiteral("name"), table).exec();
    while (s.next())
        names << s.text(0);
    return names;
}

bool PostgresDialect::isKeyViolation(const QSqlError& error) const
{
    return error.nativeErrorCode() == QLatin1String("23505");
}

QString PostgresDialect::currentTimestamp() const
{
    return QStringLiteral("LOCALTIMESTAMP");
}

QString PostgresDialect::currentDateMinusDays(int days) const
{
    return QStringLiteral("(CURRENT_DATE - %1)").arg(days);
}

// The protocol's limit.
int PostgresDialect::parameterLimit() const
{
    return 65535;
}

// Every statement is a round trip to the server: many rows to a statement.
int PostgresDialect::valuesPerInsert() const
{
    return 2000;
}

QString PostgresDialect::sameValue(const QString& a, const QString& b) const
{
    return QStringLiteral("(%1 IS NOT DISTINCT FROM %2)").arg(a, b);
}

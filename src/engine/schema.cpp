#include "engine/schema.h"

#include "engine/database.h"
#include "engine/transaction.h"

namespace
{

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameFields(const QStringList& a, const QStringList& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!sameName(a[i], b[i]))
            return false;
    }
    return true;
}

bool sizeMatters(FieldType type)
{
    return type == FieldType::String || type == FieldType::Char;
}

QString describeField(const Dialect& dialect, const FieldDef& field)
{
    return field.name + QLatin1Char(' ') + dialect.columnType(field);
}

const IndexDef* findIndex(const QList<IndexDef>& indexes, const QString& name)
{
    for (const IndexDef& index : indexes) {
        if (sameName(index.name, name))
            return &index;
    }
    return nullptr;
}

bool sameIndex(const IndexDef& a, const IndexDef& b)
{
    return sameFields(a.fields, b.fields) && a.primary == b.primary &&
           a.isUnique() == b.isUnique() && a.caseInsensitive == b.caseInsensitive &&
           a.descending == b.descending;
}

bool keepsStoredValue(const FieldDef& from, const FieldDef& to)
{
    return from.type == to.type && (!sizeMatters(to.type) || from.size <= to.size);
}

// How an old column's value becomes the new field's value. Text is cut to its new size;
// every other change of type is the engine's conversion, NULL where a value cannot be kept.
QString copyExpression(const Dialect& dialect, const FieldDef& from, const FieldDef& to)
{
    const QString column = Dialect::identifier(from.name);
    if (keepsStoredValue(from, to))
        return column;
    if (sizeMatters(to.type))
        return QStringLiteral("SUBSTR(CAST(%1 AS TEXT), 1, %2)").arg(column).arg(to.size);
    return dialect.convertedValue(column, from, to);
}

// Text cut to a narrower field is the declaration's wish; any other value the new type cannot
// hold stops the upgrade.
bool mayLoseValues(const FieldDef& from, const FieldDef& to)
{
    return !keepsStoredValue(from, to) && !sizeMatters(to.type) && to.type != FieldType::Memo;
}

QString kindOfValue(FieldType type)
{
    switch (type) {
    case FieldType::Integer:
    case FieldType::SmallInt:
        return QStringLiteral("a whole number in the field's range");
    case FieldType::Money:
        return QStringLiteral("an amount of money");
    case FieldType::Float:
    case FieldType::Decimal:
        return QStringLiteral("a number");
    case FieldType::Boolean:
        return QStringLiteral("true or false");
    case FieldType::Date:
        return QStringLiteral("a date");
    case FieldType::Timestamp:
        return QStringLiteral("a date and time");
    case FieldType::Graphic:
        return QStringLiteral("an image");
    default:
        return QStringLiteral("text");
    }
}

// Refuses the upgrade, before anything changes, when a stored value of a field whose type
// changes cannot be taken over: the message names the table, the field and the value.
void checkConversion(Database& db, const QString& table, const FieldDef& from, const FieldDef& to)
{
    const QString column = Dialect::identifier(from.name);
    Statement s =
        db.query(QStringLiteral("SELECT CAST(%1 AS TEXT) FROM %2 WHERE %1 IS NOT NULL"
                                " AND TRIM(CAST(%1 AS TEXT)) <> '' AND (%3) IS NULL LIMIT 1")
                     .arg(column, table, db.dialect().convertedValue(column, from, to)));
    s.exec();
    if (!s.next())
        return;
    throw DbError(DbError::GeneralFailure,
                  QStringLiteral("Table %1 cannot be upgraded: field %2 holds \"%3\", which is "
                                 "not %4. The table was left as it was.")
                      .arg(table, to.name, s.text(0), kindOfValue(to.type)));
}

} // namespace

namespace schema
{

bool tableExists(Database& db, const QString& table)
{
    return db.dialect().tableExists(db, table);
}

bool isEmpty(Database& db, const QString& table)
{
    Statement s = db.query(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table));
    s.exec();
    return !s.next();
}

void createTable(Database& db, const TableDef& table)
{
    Transaction tx(db);
    db.exec(db.dialect().createTableSql(table));
    for (const IndexDef& index : table.indexes)
        db.exec(db.dialect().createIndexSql(table, index));
    tx.commit();
}

QStringList differences(Database& db, const TableDef& table)
{
    const Dialect& dialect = db.dialect();
    const TableDef stored = dialect.describeTable(db, table.name);
    QStringList found;
    const qsizetype common = std::min(stored.fields.size(), table.fields.size());
    for (qsizetype i = 0; i < common; ++i) {
        const FieldDef& want = table.fields[i];
        const FieldDef& have = stored.fields[i];
        if (!sameName(want.name, have.name) || want.type != have.type ||
            (sizeMatters(want.type) && want.size != have.size))
            found << QStringLiteral("field %1: stored as %2, declared as %3")
                         .arg(i + 1)
                         .arg(describeField(dialect, have), describeField(dialect, want));
    }
    for (qsizetype i = common; i < table.fields.size(); ++i)
        found << QStringLiteral("field %1 missing").arg(table.fields[i].name);
    for (qsizetype i = common; i < stored.fields.size(); ++i)
        found << QStringLiteral("field %1 not declared").arg(stored.fields[i].name);
    for (const IndexDef& want : table.indexes) {
        const IndexDef* have = findIndex(stored.indexes, want.name);
        if (!have)
            found << QStringLiteral("index %1 missing").arg(want.name);
        else if (!sameIndex(want, *have))
            found << QStringLiteral("index %1 differs").arg(want.name);
    }
    for (const IndexDef& have : stored.indexes) {
        if (!findIndex(table.indexes, have.name))
            found << QStringLiteral("index %1 not declared").arg(have.name);
    }
    return found;
}

void upgradeTable(Database& db, const TableDef& table)
{
    const Dialect& dialect = db.dialect();
    const TableDef stored = dialect.describeTable(db, table.name);
    const QString oldName = table.name + QStringLiteral("__old");

    Transaction tx(db);
    QStringList targets;
    QStringList sources;
    for (const FieldDef& field : table.fields) {
        if (const FieldDef* old = stored.field(field.name)) {
            if (mayLoseValues(*old, field))
                checkConversion(db, table.name, *old, field);
            targets << Dialect::identifier(field.name);
            sources << copyExpression(dialect, *old, field);
        }
    }
    for (const QString& index : dialect.storedIndexNames(db, table.name))
        dialect.dropIndex(db, index);
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(table.name, oldName));
    db.exec(dialect.createTableSql(table));
    if (!targets.isEmpty())
        db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4")
                    .arg(table.name, targets.join(QStringLiteral(", ")),
                         sources.join(QStringLiteral(", ")), oldName));
    db.exec(QStringLiteral("DROP TABLE %1").arg(oldName));
    for (const IndexDef& index : table.indexes)
        db.exec(dialect.createIndexSql(table, index));
    tx.commit();
}

void dropTable(Database& db, const QString& table)
{
    db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
}

} // namespace schema

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

// How an old column's value becomes the new field's value.
QString copyExpression(const Dialect& dialect, const FieldDef& from, const FieldDef& to)
{
    if (from.type == to.type && (!sizeMatters(to.type) || from.size <= to.size))
        return Dialect::identifier(from.name);
    if (sizeMatters(to.type))
        return QStringLiteral("SUBSTR(CAST(%1 AS TEXT), 1, %2)")
            .arg(Dialect::identifier(from.name))
            .arg(to.size);
    if (to.type == FieldType::Money &&
        (from.type == FieldType::Decimal || from.type == FieldType::Float))
        return dialect.hostMoneyToMoney(Dialect::identifier(from.name));
    return QStringLiteral("CAST(%1 AS %2)")
        .arg(Dialect::identifier(from.name), dialect.columnType(to));
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

    QStringList targets;
    QStringList sources;
    for (const FieldDef& field : table.fields) {
        if (const FieldDef* old = stored.field(field.name)) {
            targets << Dialect::identifier(field.name);
            sources << copyExpression(dialect, *old, field);
        }
    }

    Transaction tx(db);
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

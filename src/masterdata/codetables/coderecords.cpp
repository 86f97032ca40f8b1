#include "masterdata/codetables/coderecords.h"

#include "common/money.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/dialect.h"
#include "engine/recordwriter.h"

namespace codetables
{

Refusal::Refusal(const QString& message, const QString& field)
    : std::runtime_error(message.toStdString()), field_(field)
{
}

namespace
{

const FieldDef* fieldDef(const CodeTable& table, const QString& name)
{
    for (const FieldDef& f : table.table.fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

bool isMissing(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return true;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
        value.typeId() == QMetaType::LongLong)
        return value.toDouble() == 0.0;
    if (value.metaType() == QMetaType::fromType<Money>())
        return false;
    return value.toString().trimmed().isEmpty();
}

QString orderClause(Database& db, const QStringList& columns)
{
    QStringList parts;
    for (const QString& c : columns)
        parts << db.dialect().nocaseOrder(c);
    return parts.join(QStringLiteral(", "));
}

bool stillThere(Database& db, const StillExists& pick, const QVariant& key)
{
    if (key.isNull())
        return true; // nothing picked: the requirements speak for it
    Statement s = db.prepare(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = :key").arg(pick.table, pick.key));
    s.bind(QStringLiteral("key"), key).exec();
    return s.next() && s.integer(0) > 0;
}

} // namespace

QList<ListRow> listRows(Database& db, const CodeTable& table, const QString& filter,
                        const QStringList& orderBy)
{
    QStringList columns{table.table.name + QLatin1Char('.') + table.key};
    for (const ListColumn& c : table.columns)
        columns << c.expression;
    QString sql =
        QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), table.listFrom);
    if (!filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter;
    sql += QStringLiteral(" ORDER BY ") +
           orderClause(db, orderBy.isEmpty() ? table.orderBy : orderBy) + QStringLiteral(", ") +
           columns.first();
    Statement s = db.query(sql);
    s.exec();
    QList<ListRow> rows;
    while (s.next()) {
        ListRow row;
        row.key = s.integer(0);
        for (int i = 0; i < table.columns.size(); ++i) {
            const FieldDef* f = fieldDef(table, table.columns[i].expression);
            row.cells << (f && f->type == FieldType::Money && !s.isNull(i + 1)
                              ? QVariant::fromValue(s.money(table.columns[i].expression))
                              : s.value(i + 1));
        }
        rows << row;
    }
    return rows;
}

QVariantMap loadRecord(Database& db, const CodeTable& table, qint64 key)
{
    QStringList names;
    for (const RecordField& f : table.fields)
        names << f.name;
    Statement s =
        db.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :key")
                       .arg(names.join(QStringLiteral(", ")), table.table.name, table.key));
    s.bind(QStringLiteral("key"), key).exec();
    QVariantMap values;
    if (!s.next())
        return values;
    for (const RecordField& f : table.fields) {
        if (f.kind == RecordField::Kind::Amount)
            values[f.name] = s.isNull(f.name) ? QVariant() : QVariant::fromValue(s.money(f.name));
        else if (f.kind == RecordField::Kind::Check)
            values[f.name] = s.boolean(f.name);
        else
            values[f.name] = s.value(f.name);
    }
    return values;
}

QString rowName(Database& db, const CodeTable& table, qint64 key)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3.%4 = :key")
                       .arg(table.nameExpression, table.listFrom, table.table.name, table.key));
    s.bind(QStringLiteral("key"), key).exec();
    return s.next() ? s.text(0) : QString();
}

std::optional<Refusal> firstMissing(const CodeTable& table, const QVariantMap& values)
{
    for (const Requirement& r : table.requirements) {
        bool missing = true;
        for (const QString& f : r.fields)
            missing = missing && isMissing(values.value(f));
        if (missing)
            return Refusal(r.message, r.fields.first());
    }
    return std::nullopt;
}

qint64 nextKey(Database& db, const CodeTable& table)
{
    Statement s =
        db.query(QStringLiteral("SELECT max(%1) FROM %2").arg(table.key, table.table.name));
    s.exec();
    return s.next() && !s.isNull(0) ? s.integer(0) + 1 : 1;
}

qint64 saveRecord(Database& db, const CodeTable& table, QVariantMap values,
                  std::optional<qint64> existingKey)
{
    if (auto missing = firstMissing(table, values))
        throw *missing;
    for (const StillExists& pick : table.stillExists)
        if (!stillThere(db, pick, values.value(pick.field)))
            throw Refusal(pick.message, pick.field);
    for (const RecordField& f : table.fields)
        if (f.readOnly)
            values.remove(f.name);
    try {
        if (existingKey) {
            records::update(db, table.table, values, table.key + QStringLiteral(" = :codeKey"),
                            {{QStringLiteral("codeKey"), *existingKey}});
            return *existingKey;
        }
        if (!values.contains(table.key) || values.value(table.key).isNull())
            values[table.key] = nextKey(db, table);
        records::insert(db, table.table, values);
        return values.value(table.key).toLongLong();
    } catch (const DbError& e) {
        if (e.isKeyViolation() && !table.duplicateMessage.isEmpty())
            throw Refusal(table.duplicateMessage, table.fields.first().name);
        throw;
    }
}

} // namespace codetables

#include "engine/dialect.h"

#include "common/money.h"
#include "engine/database.h"

#include <QDateTime>
#include <QRegularExpression>

QString Dialect::hostMoneyToMoney(const QString& expr) const
{
    return QStringLiteral("CAST(ROUND((%1) * 10000) AS BIGINT)").arg(expr);
}

QString Dialect::moneyLiteral(const Money& amount) const
{
    return QString::number(amount.raw());
}

QString Dialect::identifier(const QString& name)
{
    return name.compare(QLatin1String("User"), Qt::CaseInsensitive) == 0 ? quotedUser() : name;
}

QString Dialect::boolLiteral(bool value) const
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString Dialect::createTempTableAs(const QString& table, const QString& select) const
{
    return QStringLiteral("CREATE TEMP TABLE %1 AS %2").arg(table, select);
}

QDate Dialect::readDate(const QVariant& stored)
{
    if (stored.isNull())
        return {};
    if (stored.metaType().id() == QMetaType::QDate)
        return stored.toDate();
    if (stored.metaType().id() == QMetaType::QDateTime)
        return stored.toDateTime().date();
    return QDate::fromString(stored.toString().left(10), Qt::ISODate);
}

QDateTime Dialect::readTimestamp(const QVariant& stored)
{
    if (stored.isNull())
        return {};
    if (stored.metaType().id() == QMetaType::QDateTime)
        return stored.toDateTime();
    if (stored.metaType().id() == QMetaType::QDate)
        return QDateTime(stored.toDate(), QTime(0, 0));
    QString text = stored.toString();
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    QDateTime result = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!result.isValid())
        result = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!result.isValid())
        result = QDateTime(QDate::fromString(text.left(10), Qt::ISODate), QTime(0, 0));
    return result;
}

bool Dialect::readBool(const QVariant& stored)
{
    if (stored.isNull())
        return false;
    if (stored.metaType().id() == QMetaType::Bool)
        return stored.toBool();
    const QString text = stored.toString().trimmed().toLower();
    return text == QLatin1String("1") || text == QLatin1String("true") ||
           text == QLatin1String("t");
}

QString Dialect::createTableSql(const TableDef& table, bool temporary) const
{
    QStringList columns;
    for (const FieldDef& field : table.fields)
        columns << identifier(field.name) + QLatin1Char(' ') + columnType(field);
    return QStringLiteral("CREATE %1TABLE %2 (%3)")
        .arg(temporary ? QStringLiteral("TEMP ") : QString(), table.name,
             columns.join(QStringLiteral(", ")));
}

QString Dialect::physicalIndexName(const QString& table, const IndexDef& index)
{
    return table + QLatin1Char('_') + (index.primary ? QStringLiteral("PRIMARY") : index.name);
}

FieldType Dialect::fieldTypeFromSql(const QString& declaredType, int* size)
{
    const QString type = declaredType.trimmed().toUpper();
    *size = 0;
    static const QRegularExpression sized(
        QStringLiteral(R"(^(VARCHAR|CHARACTER VARYING|CHAR|CHARACTER|BPCHAR)\s*\(\s*(\d+)\s*\)$)"));
    const QRegularExpressionMatch m = sized.match(type);
    if (m.hasMatch()) {
        *size = m.captured(2).toInt();
        const QString base = m.captured(1);
        return base.startsWith(QLatin1String("VARCHAR")) ||
                       base == QLatin1String("CHARACTER VARYING")
                   ? FieldType::String
                   : FieldType::Char;
    }
    if (type == QLatin1String("INTEGER") || type == QLatin1String("INT") ||
        type == QLatin1String("INT4"))
        return FieldType::Integer;
    if (type == QLatin1String("SMALLINT") || type == QLatin1String("INT2"))
        return FieldType::SmallInt;
    if (type == QLatin1String("BIGINT") || type == QLatin1String("INT8"))
        return FieldType::Money;
    if (type == QLatin1String("DOUBLE") || type == QLatin1String("DOUBLE PRECISION") ||
        type == QLatin1String("REAL") || type == QLatin1String("FLOAT8"))
        return FieldType::Float;
    if (type == QLatin1String("BOOLEAN") || type == QLatin1String("BOOL"))
        return FieldType::Boolean;
    if (type == QLatin1String("DATE"))
        return FieldType::Date;
    if (type.startsWith(QLatin1String("TIMESTAMP")))
        return FieldType::Timestamp;
    if (type == QLatin1String("TEXT"))
        return FieldType::Memo;
    if (type == QLatin1String("BLOB") || type == QLatin1String("BYTEA"))
        return FieldType::Graphic;
    if (type.startsWith(QLatin1String("NUMERIC")) || type.startsWith(QLatin1String("DECIMAL")))
        return FieldType::Decimal;
    return FieldType::Memo;
}

QString Dialect::columnType(const FieldDef& field) const
{
    switch (field.type) {
    case FieldType::Integer:
        return QStringLiteral("INTEGER");
    case FieldType::SmallInt:
        return QStringLiteral("SMALLINT");
    case FieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(field.size);
    case FieldType::Char:
        return QStringLiteral("CHAR(%1)").arg(field.size);
    case FieldType::Float:
        return floatingType();
    case FieldType::Money:
        return QStringLiteral("BIGINT");
    case FieldType::Boolean:
        return QStringLiteral("BOOLEAN");
    case FieldType::Date:
        return QStringLiteral("DATE");
    case FieldType::Timestamp:
        return QStringLiteral("TIMESTAMP");
    case FieldType::Memo:
        return QStringLiteral("TEXT");
    case FieldType::Graphic:
        return binaryType();
    case FieldType::Decimal:
        return QStringLiteral("NUMERIC(12,4)");
    }
    return QStringLiteral("TEXT");
}

QString Dialect::createIndexSql(const TableDef& table, const IndexDef& index) const
{
    QStringList columns;
    for (const QString& field : index.fields) {
        QString column = index.caseInsensitive ? nocaseOrder(field) : field;
        if (index.descending)
            column += QStringLiteral(" DESC");
        columns << column;
    }
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(index.isUnique() ? QStringLiteral("UNIQUE ") : QString(),
             physicalIndexName(table.name, index), table.name, columns.join(QStringLiteral(", ")));
}

void Dialect::dropIndex(Database& db, const QString& physicalName) const
{
    db.exec(QStringLiteral("DROP INDEX IF EXISTS %1").arg(physicalName));
}

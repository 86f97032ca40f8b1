// Taking a stored value over into a field of another type on PostgreSQL. A failed cast here
// ends the whole statement with a message that names no row, so text is cast only after a
// pattern has shown that the cast will succeed; anything else gives NULL.
#include "engine/dialect.h"

namespace
{

QString trimmedText(const QString& column)
{
    return QStringLiteral("TRIM(CAST(%1 AS TEXT))").arg(column);
}

bool isNumeric(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::Float ||
           type == FieldType::Decimal;
}

// The number a value holds as an exact decimal (money as its amount; true as 1), and text only
// when it is a plain decimal number; NULL for anything else. A floating-point value becomes
// the decimal it prints as, so 12.255 stays 12.255.
QString number(const QString& column, const FieldDef& from)
{
    if (isNumeric(from.type))
        return QStringLiteral("CAST(%1 AS NUMERIC)").arg(column);
    if (from.type == FieldType::Money)
        return QStringLiteral("(CAST(%1 AS NUMERIC) / 10000)").arg(column);
    if (from.type == FieldType::Boolean)
        return QStringLiteral("(CASE WHEN %1 THEN 1 WHEN NOT %1 THEN 0 END)").arg(column);
    const QString t = trimmedText(column);
    return QStringLiteral("(CASE WHEN %1 ~ '^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)$' THEN CAST(%1 AS "
                          "NUMERIC) END)")
        .arg(t);
}

QString wholeNumber(const QString& n, const QString& type, qint64 lowest, qint64 highest)
{
    return QStringLiteral("(CASE WHEN %1 = ROUND(%1) AND %1 BETWEEN %2 AND %3"
                          " THEN CAST(%1 AS %4) END)")
        .arg(n)
        .arg(lowest)
        .arg(highest)
        .arg(type);
}

// `value` when the text is an ISO date of a real calendar day, optionally followed by a time of
// day; NULL otherwise.
QString whenIsoDate(const QString& t, const QString& value)
{
    return QStringLiteral(
               "(CASE WHEN %1 ~ '^[0-9]{4}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])"
               "([ T]([01][0-9]|2[0-3]):[0-5][0-9](:[0-5][0-9]([.][0-9]+)?)?)?$'"
               " AND SUBSTR(%1, 1, 4) <> '0000' THEN (CASE WHEN CAST(SUBSTR(%1, 9, 2) AS INTEGER)"
               " <= EXTRACT(DAY FROM CAST(SUBSTR(%1, 1, 7) || '-01' AS DATE)"
               " + INTERVAL '1 month' - INTERVAL '1 day') THEN %2 END) END)")
        .arg(t, value);
}

} // namespace

QString PostgresDialect::convertedValue(const QString& column, const FieldDef& from,
                                        const FieldDef& to) const
{
    const QString t = trimmedText(column);
    switch (to.type) {
    case FieldType::Integer:
        return wholeNumber(number(column, from), QStringLiteral("INTEGER"), -2147483648LL,
                           2147483647LL);
    case FieldType::SmallInt:
        return wholeNumber(number(column, from), QStringLiteral("SMALLINT"), -32768, 32767);
    case FieldType::Money:
        return QStringLiteral("(CASE WHEN ABS(%1) < 922337203685477"
                              " THEN CAST(ROUND(%1 * 10000) AS BIGINT) END)")
            .arg(number(column, from));
    case FieldType::Float:
        return QStringLiteral("CAST(%1 AS DOUBLE PRECISION)").arg(number(column, from));
    case FieldType::Decimal:
        return QStringLiteral("(CASE WHEN ABS(%1) < 100000000 THEN CAST(%1 AS NUMERIC(12,4)) END)")
            .arg(number(column, from));
    case FieldType::Boolean:
        if (isNumeric(from.type) || from.type == FieldType::Money)
            return QStringLiteral("(CASE WHEN %1 = 1 THEN true WHEN %1 = 0 THEN false END)")
                .arg(number(column, from));
        return QStringLiteral("(CASE WHEN LOWER(%1) IN ('true', 't', '1') THEN true"
                              " WHEN LOWER(%1) IN ('false', 'f', '0') THEN false END)")
            .arg(t);
    case FieldType::Date:
        if (from.type == FieldType::Timestamp)
            return QStringLiteral("CAST(%1 AS DATE)").arg(column);
        return whenIsoDate(t, QStringLiteral("CAST(SUBSTR(%1, 1, 10) AS DATE)").arg(t));
    case FieldType::Timestamp:
        if (from.type == FieldType::Date)
            return QStringLiteral("CAST(%1 AS TIMESTAMP)").arg(column);
        return whenIsoDate(t, QStringLiteral("CAST(%1 AS TIMESTAMP)").arg(t));
    case FieldType::String:
    case FieldType::Char:
    case FieldType::Memo:
        return QStringLiteral("CAST(%1 AS TEXT)").arg(column);
    case FieldType::Graphic:
        return from.type == FieldType::Graphic ? column : QStringLiteral("CAST(NULL AS BYTEA)");
    }
    return QStringLiteral("NULL");
}

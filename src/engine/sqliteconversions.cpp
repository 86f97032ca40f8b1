// Taking a stored value over into a field of another type on SQLite. The engine keeps whatever
// was written in any column, so each value is judged by what it holds (typeof), not by the
// column's declared type: a date may be text, a boolean 'T' or 1, a number '12.50'.
#include "engine/dialect.h"

namespace
{

QString trimmedText(const QString& column)
{
    return QStringLiteral("TRIM(CAST(%1 AS TEXT))").arg(column);
}

// The number a value holds: numbers as stored (money as its amount), and text only when it is a
// plain decimal number; NULL for anything else.
QString number(const QString& column, const FieldDef& from)
{
    if (from.type == FieldType::Money)
        return QStringLiteral("(%1 / 10000.0)").arg(column);
    const QString t = trimmedText(column);
    const QString unsigned_ =
        QStringLiteral("(CASE WHEN SUBSTR(%1, 1, 1) IN ('-', '+') THEN SUBSTR(%1, 2) ELSE %1 END)")
            .arg(t);
    return QStringLiteral("(CASE WHEN typeof(%1) IN ('integer', 'real') THEN %1"
                          " WHEN typeof(%1) = 'text' AND %2 GLOB '*[0-9]*'"
                          " AND %2 NOT GLOB '*[^0-9.]*' AND %2 NOT GLOB '*.*.*'"
                          " THEN CAST(%3 AS NUMERIC) END)")
        .arg(column, unsigned_, t);
}

QString wholeNumber(const QString& n, qint64 lowest, qint64 highest)
{
    return QStringLiteral("(CASE WHEN %1 = ROUND(%1) AND %1 BETWEEN %2 AND %3"
                          " THEN CAST(%1 AS INTEGER) END)")
        .arg(n)
        .arg(lowest)
        .arg(highest);
}

// ISO text whose date is a real day of the calendar ('2026-02-30' is not).
QString isoDateText(const QString& column)
{
    const QString t = trimmedText(column);
    return QStringLiteral("typeof(%1) = 'text' AND date(%2, '+0 days') = SUBSTR(%2, 1, 10)")
        .arg(column, t);
}

} // namespace

QString SqliteDialect::convertedValue(const QString& column, const FieldDef& from,
                                      const FieldDef& to) const
{
    const QString t = trimmedText(column);
    switch (to.type) {
    case FieldType::Integer:
        return wholeNumber(number(column, from), -2147483648LL, 2147483647LL);
    case FieldType::SmallInt:
        return wholeNumber(number(column, from), -32768, 32767);
    case FieldType::Money: {
        // Rounding to the ten-thousandth undoes the binary fraction: 12.255 is held as
        // 12.25499999..., which a plain cast would cut to 12.2549.
        const QString n = number(column, from);
        return QStringLiteral("(CASE WHEN ABS(%1) < 922337203685477"
                              " THEN CAST(ROUND(%1 * 10000) AS INTEGER) END)")
            .arg(n);
    }
    case FieldType::Float:
    case FieldType::Decimal:
        return QStringLiteral("CAST(%1 AS REAL)").arg(number(column, from));
    case FieldType::Boolean:
        return QStringLiteral("(CASE WHEN typeof(%1) IN ('integer', 'real')"
                              " THEN (CASE WHEN %1 = 1 THEN 1 WHEN %1 = 0 THEN 0 END)"
                              " WHEN LOWER(%2) IN ('true', 't', '1') THEN 1"
                              " WHEN LOWER(%2) IN ('false', 'f', '0') THEN 0 END)")
            .arg(column, t);
    case FieldType::Date:
        return QStringLiteral("(CASE WHEN %1 THEN SUBSTR(%2, 1, 10) END)")
            .arg(isoDateText(column), t);
    case FieldType::Timestamp:
        return QStringLiteral("(CASE WHEN %1 THEN strftime('%Y-%m-%d %H:%M:%f', %2) END)")
            .arg(isoDateText(column), t);
    case FieldType::String:
    case FieldType::Char:
    case FieldType::Memo:
        return QStringLiteral("CAST(%1 AS TEXT)").arg(column);
    case FieldType::Graphic:
        return from.type == FieldType::Graphic ? column : QStringLiteral("NULL");
    }
    return QStringLiteral("NULL");
}

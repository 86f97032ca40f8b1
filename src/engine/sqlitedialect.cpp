#include "common/money.h"
#include "engine/database.h"
#include "engine/dialect.h"

#include <QDateTime>
#include <QSqlError>

QString SqliteDialect::nocaseOrder(const QString& expr) const
{
    return expr + QStringLiteral(" COLLATE NOCASE");
}

QString SqliteDialect::integerOrNull(const QString& expr) const
{
    const QString t = QStringLiteral("TRIM(%1)").arg(expr);
    return QStringLiteral(
               "(CASE WHEN %1 GLOB '[0-9]*' AND %1 NOT GLOB '*[^0-9]*' THEN CAST(%1 AS INTEGER)"
               " WHEN %1 GLOB '-[0-9]*' AND SUBSTR(%1, 2) NOT GLOB '*[^0-9]*'"
               " THEN CAST(%1 AS INTEGER) END)")
        .arg(t);
}

QString SqliteDialect::concat(const QStringList& parts) const
{
    QStringList guarded;
    for (const QString& part : parts)
        guarded << QStringLiteral("COALESCE(%1, '')").arg(part);
    return QLatin1Char('(') + guarded.join(QStringLiteral(" || ")) + QLatin1Char(')');
}

QString SqliteDialect::dateLiteral(const QDate& date) const
{
    return QLatin1Char('\'') + date.toString(Qt::ISODate) + QLatin1Char('\'');
}

QString SqliteDialect::dropTempTable(const QString& table) const
{
    return QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(table);
}

QVariant SqliteDialect::toStorage(const QVariant& value) const
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString().isEmpty() ? QVariant(QMetaType::fromType<QString>()) : value;
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(value.toDate().toString(Qt::ISODate))
                                        : QVariant(QMetaType::fromType<QString>());
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().toString(
                                                  QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")))
                                            : QVariant(QMetaType::fromType<QString>());
    case QMetaType::Bool:
        return QVariant(value.toBool() ? 1 : 0);
    default:
        if (value.metaType() == QMetaType::fromType<Money>())
            return QVariant(value.value<Money>().raw());
        return value;
    }
}

bool SqliteDialect::tableExists(Database& db, const QString& table) const
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :name COLLATE NOCASE"));
    s.bind(QStringLiteral("name"), table).exec();
    return s.next();
}

TableDef SqliteDialect::describeTable(Database& db, const QString& table) const
{
    TableDef stored;
    stored.name = table;
    {
        Statement columns = db.prepare(
            QStringLiteral("SELECT name, type FROM pragma_table_info(:name) ORDER BY cid"));
        columns.bind(QStringLiteral("name"), table).exec();
        while (columns.next()) {
            FieldDef field;
            field.name = columns.text(0);
            field.type = fieldTypeFromSql(columns.text(1), &field.size);
            stored.fields << field;
        }
    }
    const QString prefix = table + QLatin1Char('_');
    for (const QString& physical : storedIndexNames(db, table)) {
        IndexDef index;
        index.name = physical.startsWith(prefix, Qt::CaseInsensitive) ? physical.mid(prefix.size())
                                                                      : physical;
        Statement info = db.prepare(QStringLiteral(
            "SELECT il.\"unique\", ix.name, ix.\"desc\", ix.coll FROM pragma_index_list(:table) il,"
            " pragma_index_xinfo(il.name) ix WHERE il.name = :index AND ix.key = 1 ORDER BY "
            "ix.seqno"));
        info.bind(QStringLiteral("table"), table).bind(QStringLiteral("index"), physical).exec();
        bool allNocase = true;
        bool allDescending = true;
        while (info.next()) {
            index.unique = info.integer(0) != 0;
            index.fields << info.text(1);
            allNocase = allNocase &&
                        info.text(3).compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0;
            allDescending = allDescending && info.integer(2) != 0;
        }
        index.caseInsensitive = !index.fields.isEmpty() && allNocase;
        index.descending = !index.fields.isEmpty() && allDescending;
        if (index.name.compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0 &&
            index.unique) {
            index.name = kPrimaryIndexName;
            index.primary = true;
            index.unique = false;
        }
        stored.indexes << index;
    }
    return stored;
}

QStringList SqliteDialect::storedIndexNames(Database& db, const QString& table) const
{
    QStringList names;
    Statement s = db.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = :name COLLATE NOCASE"
        " AND sql IS NOT NULL ORDER BY name"));
    s.bind(QStringLiteral("name"), table).exec();
    while (s.next())
        names << s.text(0);
    return names;
}

bool SqliteDialect::isKeyViolation(const QSqlError& error) const
{
    const QString code = error.nativeErrorCode();
    const bool constraint = code == QLatin1String("19") || code == QLatin1String("1555") ||
                            code == QLatin1String("2067");
    return constraint &&
           (error.databaseText().contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive) ||
            error.databaseText().contains(QLatin1String("PRIMARY KEY"), Qt::CaseInsensitive));
}

// Stored as the engine layer writes timestamps, so stored and current times compare as text.
QString SqliteDialect::currentTimestamp() const
{
    return QStringLiteral("strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime')");
}

QString SqliteDialect::currentDateMinusDays(int days) const
{
    return QStringLiteral("date('now', 'localtime', '-%1 days')").arg(days);
}

// SQLite's default limit on host parameters since 3.32.
int SqliteDialect::parameterLimit() const
{
    return 32766;
}

// A statement costs no round trip here, but the driver finds each parameter by name, which
// grows with the square of their number: short statements are the fast ones.
int SqliteDialect::valuesPerInsert() const
{
    return 64;
}

QString SqliteDialect::sameValue(const QString& a, const QString& b) const
{
    return QStringLiteral("(%1 IS %2)").arg(a, b);
}

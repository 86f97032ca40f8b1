#include "receivables/listing/listquery.h"

#include "engine/database.h"

void ListQuery::addCondition(const QString& condition, const QString& name, const QVariant& value)
{
    conditions_.add(condition, name, value);
}

QString ListQuery::sql(const QString& columns, const QString& limit) const
{
    QString text = QStringLiteral("SELECT ") + columns + from_ + conditions_.where() +
                   QStringLiteral(" ORDER BY ") + orderBy_;
    if (!limit.isEmpty())
        text += QStringLiteral(" LIMIT ") + limit;
    return text;
}

void ListQuery::bind(Statement& statement) const
{
    conditions_.bind(statement);
}

Statement ListQuery::run(Database& db, const QString& columns, const QString& limit) const
{
    Statement s = db.prepare(sql(columns, limit));
    bind(s);
    s.exec();
    return s;
}

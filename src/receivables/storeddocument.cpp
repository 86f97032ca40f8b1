#include "receivables/storeddocument.h"

int maxStoredSeq(Database& db, const QString& lineTable, const QString& keyColumn, qint64 key)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT max(Seq) FROM %1 WHERE %2 = :key").arg(lineTable, keyColumn));
    s.bind(QStringLiteral("key"), key).exec();
    return s.next() ? int(s.integer(0)) : 0;
}

#include "engine/connectionparams.h"

ConnectionParams ConnectionParams::sqlite(const QString& file)
{
    ConnectionParams p;
    p.engine = Engine::SQLite;
    p.sqliteFile = file;
    return p;
}

ConnectionParams ConnectionParams::fromPostgresKeywords(const QString& keywords)
{
    ConnectionParams p;
    p.engine = Engine::PostgreSQL;
    p.host = QStringLiteral("127.0.0.1");
    p.databaseName = QStringLiteral("postgres");
    const QStringList words = keywords.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const qsizetype eq = word.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = word.left(eq).trimmed();
        const QString value = word.mid(eq + 1).trimmed();
        if (key == QLatin1String("host"))
            p.host = value;
        else if (key == QLatin1String("port"))
            p.port = value.toInt();
        else if (key == QLatin1String("user"))
            p.user = value;
        else if (key == QLatin1String("password"))
            p.password = value;
        else if (key == QLatin1String("dbname"))
            p.databaseName = value;
        else if (key == QLatin1String("sslmode"))
            p.sslMode = value;
    }
    return p;
}

QString ConnectionParams::describe() const
{
    if (engine == Engine::SQLite)
        return QStringLiteral("SQLite file %1").arg(sqliteFile);
    return QStringLiteral("PostgreSQL database %1 on %2:%3").arg(databaseName, host).arg(port);
}

#include "testdatabases.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <list>

namespace
{

struct PerProcessDatabase {
    ConnectionParams params;
    bool created = false;
};

PerProcessDatabase& perProcess()
{
    static PerProcessDatabase database;
    return database;
}

// Runs when the application object goes, while the SQL module is still whole: a static's
// destructor may run after the module's own statics are gone.
void dropProcessDatabase()
{
    PerProcessDatabase& database = perProcess();
    if (!database.created)
        return;
    try {
        auto admin = Database::open(testdb::postgresServer());
        admin->exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                        .arg(database.params.databaseName));
    } catch (...) {
    }
    database.created = false;
}

PerProcessDatabase& processDatabase()
{
    PerProcessDatabase& database = perProcess();
    if (!database.created) {
        database.params = testdb::postgresServer();
        database.params.databaseName = QStringLiteral("tw_%1_%2")
                                           .arg(QCoreApplication::applicationPid())
                                           .arg(QRandomGenerator::global()->generate() % 100000);
        auto admin = Database::open(testdb::postgresServer());
        admin->exec(QStringLiteral("CREATE DATABASE %1").arg(database.params.databaseName));
        database.created = true;
        qAddPostRoutine(dropProcessDatabase);
    }
    return database;
}

std::list<QTemporaryDir>& folders()
{
    static std::list<QTemporaryDir> all;
    return all;
}

int schemaCounter = 0;

} // namespace

namespace testdb
{

bool postgresAvailable()
{
    return !qEnvironmentVariable("TALLYWICK_PG").isEmpty();
}

ConnectionParams postgresServer()
{
    return ConnectionParams::fromPostgresKeywords(qEnvironmentVariable("TALLYWICK_PG"));
}

void addEngineRows()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    if (postgresAvailable())
        QTest::newRow("postgres") << QStringLiteral("postgres");
    else if (!qEnvironmentVariable("TALLYWICK_REQUIRE_PG").isEmpty())
        QFAIL("TALLYWICK_REQUIRE_PG is set but TALLYWICK_PG names no server");
}

ConnectionParams freshParams(const QString& engine)
{
    if (engine == QLatin1String("sqlite")) {
        folders().emplace_back();
        return ConnectionParams::sqlite(
            QDir(folders().back().path()).filePath(QStringLiteral("Hearthtable.db")));
    }
    ConnectionParams params = processDatabase().params;
    params.schema = QStringLiteral("t%1").arg(++schemaCounter);
    auto db = Database::open(processDatabase().params);
    db->exec(QStringLiteral("CREATE SCHEMA %1").arg(params.schema));
    return params;
}

std::unique_ptr<Database> fresh(const QString& engine)
{
    return Database::open(freshParams(engine));
}

std::unique_ptr<Database> freshWithArTables(const QString& engine)
{
    auto db = fresh(engine);
    for (const TableDef& table : ar::allTables())
        schema::createTable(*db, table);
    return db;
}

QString childArgument(const ConnectionParams& p)
{
    if (p.engine == ConnectionParams::Engine::SQLite)
        return QStringLiteral("sqlite:") + p.sqliteFile;
    return QStringLiteral("pg:host=%1 port=%2 user=%3 password=%4 dbname=%5;schema=%6")
        .arg(p.host)
        .arg(p.port)
        .arg(p.user, p.password.isEmpty() ? QStringLiteral("x") : p.password, p.databaseName,
             p.schema);
}

ConnectionParams paramsFromChildArgument(const QString& argument)
{
    if (argument.startsWith(QLatin1String("sqlite:")))
        return ConnectionParams::sqlite(argument.mid(7));
    const QStringList parts = argument.mid(3).split(QStringLiteral(";schema="));
    ConnectionParams params = ConnectionParams::fromPostgresKeywords(parts[0]);
    params.schema = parts.value(1);
    return params;
}

std::unique_ptr<Database> reopen(const Database& db)
{
    return Database::open(db.params());
}

qint64 scalar(Database& db, const QString& sql)
{
    Statement s = db.query(sql);
    s.exec();
    return s.next() ? s.integer(0) : -1;
}

QList<qint64> integers(Database& db, const QString& sql)
{
    Statement s = db.query(sql);
    s.exec();
    QList<qint64> values;
    while (s.next())
        values << s.integer(0);
    return values;
}

} // namespace testdb

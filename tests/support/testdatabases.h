#pragma once
// Every database test runs once per engine: on SQLite always, and on PostgreSQL when
// TALLYWICK_PG names a server ("host=127.0.0.1 port=5433 user=postgres"). Each test row gets a
// database of its own: a new file in a temporary folder, or a new schema in a database this
// test program made for itself and drops when it ends.

#include "engine/connectionparams.h"

#include <QList>
#include <QString>
#include <memory>

class Database;

namespace testdb
{
// In a data function: adds the column "engine" and one row per engine available. Fails the
// test when TALLYWICK_REQUIRE_PG is set and no server is named.
void addEngineRows();
// A fresh, empty database for the engine named in the current row.
std::unique_ptr<Database> fresh(const QString& engine);
// The same with every AR table made, empty.
std::unique_ptr<Database> freshWithArTables(const QString& engine);
// Connection details of a fresh, empty database, for another process to open.
ConnectionParams freshParams(const QString& engine);
// Another connection to the same database, as a second workstation would have.
std::unique_ptr<Database> reopen(const Database& db);
bool postgresAvailable();
// Connection details handed to a second workstation program on its command line, and read back.
QString childArgument(const ConnectionParams& params);
ConnectionParams paramsFromChildArgument(const QString& argument);
ConnectionParams postgresServer();
// The first column of the first row a query gives as a whole number; -1 when it gives none.
qint64 scalar(Database& db, const QString& sql);
// The first column of every row a query gives, as whole numbers, in the query's order.
QList<qint64> integers(Database& db, const QString& sql);
} // namespace testdb

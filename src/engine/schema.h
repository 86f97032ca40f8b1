#pragma once
// Bringing a stored table to its declaration: create it, tell whether it differs, and upgrade
// it while keeping its rows (fields added, dropped, widened or narrowed; indexes rebuilt).

#include "engine/tabledef.h"

#include <QStringList>

class Database;

namespace schema
{
bool tableExists(Database& db, const QString& table);
bool isEmpty(Database& db, const QString& table);
void createTable(Database& db, const TableDef& table);
// What differs between the stored table and the declaration, one line per difference; empty
// when they match field for field and index for index.
QStringList differences(Database& db, const TableDef& table);
// Rebuilds the table to the declaration and copies every row across, all in one transaction:
// a failure leaves the table exactly as it was and raises DbError. A field whose type changes
// keeps its values in the new type (dates, booleans and numbers stored as text included); a
// value the new type cannot hold refuses the upgrade, naming the table, field and value.
void upgradeTable(Database& db, const TableDef& table);
void dropTable(Database& db, const QString& table);
} // namespace schema

#pragma once
// The host's own tables, as Hearthtable keeps them beside the AR tables. Only the stand-in host
// creates them (for the demo, the tests and the benchmarks); the AR module reads them and writes
// only to History.

#include "engine/tabledef.h"

#include <QList>

class Database;

namespace host
{
TableDef clients();
TableDef individuals();
TableDef relationships();
TableDef items();
TableDef deliveries();     // Deliveri
TableDef mealCredits();    // MealCrdt
TableDef fundingSources(); // FundSrcs
TableDef fundUses();
TableDef pricing();
TableDef services();
TableDef config();
TableDef history();

QList<TableDef> allTables();
// Creates every host table that does not exist yet.
void createTables(Database& db);
} // namespace host

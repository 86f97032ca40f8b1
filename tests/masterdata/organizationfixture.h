#pragma once
// A new AR database beside a host whose configuration names the organization, as the module
// finds it at its first start.

#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

namespace organization
{
inline std::unique_ptr<Database> newDatabase(const QString& engine)
{
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    records::insert(*db, host::config(),
                    {{QStringLiteral("Organizatn"), QStringLiteral("Riverside Meals on Wheels")},
                     {QStringLiteral("Org_Addr"), QStringLiteral("12 Mill Road")},
                     {QStringLiteral("Org_City"), QStringLiteral("Springfield")},
                     {QStringLiteral("Org_State"), QStringLiteral("IL")},
                     {QStringLiteral("Org_ZIP"), QStringLiteral("62701")},
                     {QStringLiteral("Org_Phone"), QStringLiteral("217-555-0100")},
                     {QStringLiteral("Postal_Format"), QStringLiteral("USA")},
                     {QStringLiteral("Consolidate_Deliveries"), false}});
    ScriptedDialogs quiet;
    createOrUpgradeSchema(*db, quiet);
    return db;
}
} // namespace organization

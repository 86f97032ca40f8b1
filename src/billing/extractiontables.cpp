#include "billing/extractiontables.h"

#include "engine/database.h"

namespace billing
{

void dropWorkTables(Database& db)
{
    for (const QString& table : {kMemDeliveries, kMemUniqDeliveries})
        db.exec(db.dialect().dropTempTable(table));
}

} // namespace billing

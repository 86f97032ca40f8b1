#pragma once
// The connection's work tables of a generation run. They live only as long as the connection
// (TEMP tables), so two workstations generating at once never see each other's rows.
//
//   MemDeliveries        the period's delivered meal items (extraction.h)
//   MemUniqDeliveries    the period's distinct deliveries, when deliveries are consolidated
//   MemClientLineItems   the lines collected for the current client and funding source
//   Mem3rdPartyLineItems the lines waiting for a funder's invoice
//
// In both line tables RecordNo is drawn by the engine, rises with every row and is never given
// again while the table lives, even after the table was emptied, so a funder line's
// SourceRecNo always names one client line. Funding codes are kept whole: the fields are wider
// than any code the host stores.

#include "engine/tabledef.h"

class Database;

namespace billing
{

inline const QString kMemDeliveries = QStringLiteral("MemDeliveries");
inline const QString kMemUniqDeliveries = QStringLiteral("MemUniqDeliveries");
inline const QString kMemClientLineItems = QStringLiteral("MemClientLineItems");
inline const QString kMem3rdPartyLineItems = QStringLiteral("Mem3rdPartyLineItems");

// The size of every funding-code field of the work tables.
inline constexpr int kWorkFundingCodeSize = 25;

// The two line tables as declared; RecordNo is listed first and made by createLineItemTables as
// the engine's own counter. Writers cut text to these sizes (records::fitToField).
TableDef memClientLineItems();
TableDef mem3rdPartyLineItems();

// Makes both line tables anew, empty, with their indexes; rows of an earlier run are gone.
void createLineItemTables(Database& db);
// Drops every work table of a run that exists; the clean-up on every way out of a run.
void dropWorkTables(Database& db);

} // namespace billing

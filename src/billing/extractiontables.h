#pragma once
// The connection's work tables of a generation run. They live only as long as the connection
// (TEMP tables), so two workstations generating at once never see each other's rows.
//
//   MemDeliveries        the period's delivered meal items (extraction.h)
//   MemUniqDeliveries    the period's distinct deliveries, when deliveries are consolidated
//
// The lines collected for a client and those waiting for a funder's invoice are kept by the run
// itself (pairlines.h, pairinvoices.h): they are only ever read back whole and in order.

#include <QString>

class Database;

namespace billing
{

inline const QString kMemDeliveries = QStringLiteral("MemDeliveries");
inline const QString kMemUniqDeliveries = QStringLiteral("MemUniqDeliveries");

// Drops every work table of a run that exists; the clean-up on every way out of a run.
void dropWorkTables(Database& db);

} // namespace billing

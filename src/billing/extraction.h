#pragma once
// The period's meal credits copied once into the connection's work table MemDeliveries, so the
// per-client and per-meal queries of a run read a small indexed table instead of the host's.
//
// MemDeliveries holds one row per meal credit whose delivery and credit both fall in the
// period: Person_ID, Client_ID, Service_ID (the delivery's Svcs_Used), Deliv_ID, Deliv_Dt,
// Funding_Desc (the delivery's funding code, whole), Quantity and Item_ID (of the credit) and
// Comp: "Complimentary" for a delivery with status "C", otherwise '' (never NULL, so it groups
// and orders alike on both engines, the plain deliveries first). Indexed on Person_ID, the
// one way a run reads it.

#include "billing/extractionfilter.h"
#include "billing/extractionperiod.h"

#include <QDate>
#include <QList>
#include <QString>

class Database;

namespace billing
{

// The host's setting "consolidate deliveries"; false when the host has no configuration row.
bool deliveriesConsolidated(Database& db);

// Makes MemDeliveries anew for the period, taking only the items the filter lets through, and
// returns its row count. Consolidated deliveries are first gathered into MemUniqDeliveries (one
// row per distinct delivery) and the credits joined to those. Raises DbError on an engine
// failure; the caller's clean-up drops the work tables (dropWorkTables).
qint64 extractDeliveries(Database& db, const DeliveryPeriod& period, const ItemFilter& filter);
qint64 extractDeliveries(Database& db, const DeliveryPeriod& period, const ItemFilter& filter,
                         bool consolidated);

// One meal credit of the period, as the host has it.
struct PeriodCredit {
    qint64 personId = 0;
    QString clientId;
    QDate date;
    QString fundingCode; // the delivery's Funding_Desc, whole
    qint64 itemId = 0;
    qint64 quantity = 0;
};

// The period's meal credits the filter keeps out of MemDeliveries, read in one statement after
// extractDeliveries (whose MemUniqDeliveries it reads when deliveries are consolidated); nothing
// when the filter takes every item.
QList<PeriodCredit> creditsLeftOutByFilter(Database& db, const DeliveryPeriod& period,
                                           const ItemFilter& filter, bool consolidated);

} // namespace billing

#pragma once
// The client-funding pairs a run goes through: every person in the run's extracted deliveries
// (MemDeliveries, extraction.h), once per funding code. They are read from the same rows as the
// pairs' lines, so a pair never goes without its lines, and its lines never fall to two pairs.

#include "billing/extractionperiod.h"

#include <QList>
#include <QString>

class Database;

namespace billing
{

struct ClientFundingPair {
    qint64 personId = 0;
    QString fundingDesc; // the code as delivered, whole; empty for deliveries without one

    bool operator==(const ClientFundingPair&) const = default;
};

// The distinct (Person_ID, Funding_Desc) of MemDeliveries, by person and then by funding code
// compared character by character, the same on both engines. Codes that differ only in blanks
// around them are one pair, as the pair's lines are read (deliverydays.h), and so are a missing
// and an empty code.
QList<ClientFundingPair> clientFundingPairs(Database& db);

// Whether the host has any delivery in the period, whatever the item filter kept: only a period
// without deliveries has no client records to invoice.
bool periodHasDeliveries(Database& db, const DeliveryPeriod& period);

} // namespace billing

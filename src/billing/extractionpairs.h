#pragma once
// The client-funding pairs a run goes through: every person delivered to in the period, once
// per funding code of their deliveries. Read from the host's deliveries, so an item filter
// never drops a pair.

#include "billing/extractionperiod.h"

#include <QList>
#include <QString>

class Database;

namespace billing
{

struct ClientFundingPair {
    qint64 personId = 0;
    QString fundingDesc; // empty for deliveries without a funding code

    bool operator==(const ClientFundingPair&) const = default;
};

// The distinct (Person_ID, Funding_Desc) of the period's deliveries, by person and then by
// funding code compared character by character, the same on both engines. A missing and an
// empty code are one pair.
QList<ClientFundingPair> clientFundingPairs(Database& db, const DeliveryPeriod& period);

} // namespace billing

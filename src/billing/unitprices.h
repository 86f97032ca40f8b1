#pragma once
// The unit amount of a meal from the host's price tables, most specific source first. Within a
// source, a price for the line's own service comes before a price for all services (0). The
// first price that is not empty wins, also when it is 0.

#include "billing/chargetypes.h"
#include "common/money.h"

#include <QSet>
#include <QString>
#include <optional>

class Database;

namespace billing
{

struct PriceKey {
    qint64 personId = 0;
    qint64 serviceId = 0;
    QString fundingCode;
    qint64 itemId = 0;
    QString meal; // the item's meal category; an item without one has no category price
};

struct PriceSearch {
    bool anyRow = false;         // some price row matched, empty or not
    std::optional<Money> amount; // the first amount that is not empty
    int row = 0;                 // that amount's source, as UnitPrice::row numbers them
    bool allServices = false;    // that amount's row is for every service
};

// The funding source's price list ("F" rows of Pricing): the client's price for the item, the
// client's price for the meal category, the funder's general price for the item, the funder's
// general price for the category.
PriceSearch funderPriceList(Database& db, const PriceKey& key);
// The client's own price for the item, then for the meal category, under the funding source.
PriceSearch clientPriceList(Database& db, const PriceKey& key);
// Items.Billed_Amount; no value when the item or its amount is missing.
std::optional<Money> itemCost(Database& db, qint64 itemId);

// Billed by item units. Third-party and private-pay lines take the funder's price list; a list
// whose matching rows are all empty gives 0, and only a funder without any matching row falls
// back to the item's cost. Client-billed lines take the client's own prices, then the item's cost.
// The amount comes with where it was found.
UnitPrice unitAmountByItem(Database& db, const PriceKey& key, const QString& billedParty);

// "person/funding code" for every client with a price of their own ("F" rows) under a funding
// source. A client without one is priced by the funder's general prices alone, the same for all
// such clients, so a run can remember those prices by funding code, item and category.
QSet<QString> clientsWithOwnPrices(Database& db);

// Billed by time: the client's own rate for the service (or all services), else the funding
// source's, each only where its reimbursement method is "T". The first rate that is not empty
// wins, with its period code ("D", "M", "Y", trailing blanks dropped).
// The funding source's own time-billing rate, the second half of periodRate.
std::optional<PeriodRate> funderPeriodRate(Database& db, const QString& fundingCode);
std::optional<PeriodRate> periodRate(Database& db, qint64 personId, qint64 serviceId,
                                     const QString& fundingCode);
// "Day", "Month", "Year", or "Unspecified Period" for any other code.
QString periodWord(const QString& period);

} // namespace billing

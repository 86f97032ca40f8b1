#pragma once
// A meal credit of the period that a generation run billed to no one, and why. The run collects
// one for every such credit; the last run's are kept per user (unbilledstore.h), written out as
// CSV and printed as the Unbilled Deliveries report.

#include "common/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace billing
{

enum class UnbilledReason {
    ExcludedByFilter, // the item is outside the run's meal item filter
    NoBillingSource,  // the funding source's billed party is "No Billing"
    LeftOutByPayers,  // the payer choice leaves the billed party out
    NoPrice,          // billed by item: no price row with an amount
    ZeroPriceEnded,   // billed by item: a price row of 0 ended the search
    ZeroCost,         // billed at cost: the item's cost is 0
    NoTimeRate,       // billed by time: the funding source has no rate
    NoTimePeriod,     // billed by time: the rate has no period
    NoArItem,         // the host item has no AR item
    NoFunderInvoice,  // billed to a third party, but the funder invoicing method writes none
    PledgesOnly,      // the run generated pledges only, so no meal was billed
};

// Every reason, in the order the report lists them.
QList<UnbilledReason> allUnbilledReasons();
// The fixed code a CSV file and the work table carry: "FILTER", "NO_BILLING", "PAYER",
// "NO_PRICE", "ZERO_PRICE", "ZERO_COST", "NO_RATE", "NO_PERIOD", "NO_AR_ITEM",
// "NO_FUNDER_INVOICE", "PLEDGES_ONLY".
QString unbilledReasonCode(UnbilledReason reason);
std::optional<UnbilledReason> unbilledReasonFromCode(const QString& code);
// The reason as the report's group heading says it.
QString unbilledReasonText(UnbilledReason reason);

// One meal credit (one MealCrdt row of one delivery) that produced no charge.
struct UnbilledDelivery {
    QString clientId; // Deliveri.Client_ID
    qint64 personId = 0;
    QString clientName; // "Last, First" as the host has it
    QDate deliveryDate;
    qint64 itemId = 0;   // the host's Items.Item_ID
    QString mealItem;    // Items.Meal_Item
    QString fundingCode; // the delivery's Funding_Desc, whole
    // Who would have been billed: the funder's name for a third party, else empty.
    QString funderName;
    qint64 quantity = 0;
    UnbilledReason reason = UnbilledReason::NoPrice;
    QString detail; // what the bookkeeper should know to fix it, in words
    // What the line would have charged, where the module can tell.
    std::optional<Money> wouldHaveBilled;

    bool operator==(const UnbilledDelivery&) const = default;
};

} // namespace billing

#pragma once
// What the charge of one meal line works from and what it gives back. A generation run builds a
// MealLine for each group of a client's deliveries (funding source, service, complimentary flag,
// item) and hands it to chargeMealLine (mealcharge.h) together with the run's choices.

#include "billing/linecharge.h"
#include "billing/unbilled.h"
#include "common/money.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

class Database;

namespace billing
{
class ClientDeliveries;
class FundingUses;
// A time-billing rate and its period code ("D", "M", "Y").
struct PeriodRate {
    Money rate;
    QString period;
};
// Where the unit amount of a meal billed by item came from, so that a meal left without a charge
// can say which price stopped it.
enum class PriceSource {
    PriceRow,  // a price row with an amount (`row` and `allServices` say which)
    EmptyRows, // price rows matched, none of them with an amount
    ItemCost,  // no price row: the item's cost
    NoCost,    // no price row, and the item has no cost
};
struct UnitPrice {
    Money amount;
    PriceSource source = PriceSource::NoCost;
    // The price row's place in the search: 1 the client's price for the item, 2 for the meal
    // category, 3 the funding source's general price for the item, 4 for the category.
    int row = 0;
    bool allServices = false; // the row is for every service (Service_ID 0)
};
// Why a meal line made no line: the reason and the words a bookkeeper can act on.
struct UnbilledCause {
    UnbilledReason reason = UnbilledReason::NoPrice;
    QString detail;
    std::optional<Money> unitPrice; // what one meal would have been charged, where known
};
} // namespace billing

// "Generate invoices for:" on the generation screen.
enum class BillingChoice { MealsOnly = 0, PledgesOnly = 1, MealsAndPledges = 2 };
// "Include the following payers:" on the generation screen.
enum class PayerChoice { PrivatePayOnly = 0, PrivatePayAndFunders = 1, FundersOnly = 2 };

// What a run has looked up for earlier meal lines: a funding source's billed party, and a
// client's billing method under a funding source and service, hold for the whole run.
struct ChargeLookups {
    QHash<QString, QString> billedParty;         // by funding code
    QHash<QString, QString> billingMethod;       // by "person/service/funding code"
    QHash<QString, QString> funderBillingMethod; // the funding source's own, by funding code
    // The clients' own funding uses, read on the first line that needs one.
    std::shared_ptr<const billing::FundingUses> fundingUses;
    // The funding source's time-billing rate, by funding code.
    QHash<QString, std::optional<billing::PeriodRate>> funderTimeRate;
    // Unit amounts by item of clients without prices of their own, by "billed party kind/
    // funding code/item/category"; and which clients have prices of their own.
    QHash<QString, billing::UnitPrice> sharedUnitAmounts;
    std::optional<QSet<QString>> clientsWithOwnPrices;
};

struct ChargeChoices {
    BillingChoice billing = BillingChoice::MealsOnly;
    PayerChoice payers = PayerChoice::PrivatePayOnly;
    // The organization's ClientInvoiceLineItems and FunderInvoiceLineItems are "D": one line per
    // delivery date instead of one summary line, for client-billed and funder-billed lines.
    bool clientLinesPerDate = false;
    bool funderLinesPerDate = false;
    // The client's deliveries of the period (deliverydays.h), which time billing and the lines
    // per delivery date count.
    const billing::ClientDeliveries* deliveries = nullptr;
    // The run's memory of earlier lookups; without it every meal line looks up afresh.
    ChargeLookups* lookups = nullptr;
    // Price the meals the payer choice leaves out too, to say what they would have been billed
    // (MealCharge::unbilled); only a run that lists its unbilled meals asks for it.
    bool priceLeftOutMeals = false;
};

// The deliveries of one client under one funding source, service, complimentary flag and item.
struct MealLine {
    qint64 personId = 0;
    QString fundingCode; // the delivery's Funding_Desc, whole; trailing blanks do not count
    qint64 serviceId = 0;
    qint64 itemId = 0; // the host's Items.Item_ID
    QString mealItem;  // Items.Meal_Item, the meal's name
    QString meal;      // Items.Meal, the meal category ("L ", "MF", or empty)
    bool complimentary = false;
    qint64 quantity = 0; // meals delivered
    Money itemPrice;     // Items.Billed_Amount; a missing amount is 0
};

// The client the deliveries belong to, as the line descriptions name them.
struct ClientNames {
    QString clientId;
    QString firstName;
    QString lastName;
    QString urn;
};

// One line for the client's or the funder's invoice.
struct ChargeLine {
    qint64 quantity = 0;
    Money unitPrice;
    QString description;
    bool thirdPartyBillable = false; // goes to the funder's invoice
    QDate deliveryDate;              // null on a summary line

    Money amount() const { return billing::lineCharge(quantity, unitPrice); }
};

struct MealCharge {
    // The funding source's billed party, trimmed: "3" third party, "P" private pay (also when the
    // funding source leaves it empty or is unknown), "N" no billing, anything else the client.
    QString billedParty;
    bool billed = false;     // someone is billed under the run's payer choice
    QString billingMethod;   // "I" by item, "T" by time, "C" at cost (and any other code)
    Money charge;            // the unit amount found
    QString description;     // the line description before the complimentary prefix
    QList<ChargeLine> lines; // nothing when no line is due
    // Billed by time: this one line stands for all deliveries under the funding source, so the
    // run passes over the pair's remaining meal lines (and their pledge step).
    bool coversWholePair = false;
    // Why no line was made; set exactly when `lines` is empty.
    std::optional<billing::UnbilledCause> unbilled;

    Money total() const;
    // The part the client pays: everything not billed to a third party.
    Money clientPortion() const;
};

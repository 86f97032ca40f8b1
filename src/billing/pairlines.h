#pragma once
// The lines of one client-funding pair: the client's meal lines of the period under the funding
// source, each charged (mealcharge.h) and then pledged (pledges.h), collected in the order they
// are made. The run turns them into invoices at the end of the pair (pairinvoices.h).

#include "billing/billingoptions.h"
#include "billing/clientlineitem.h"
#include "billing/deliverydays.h"
#include "billing/extractionpairs.h"
#include "billing/pledges.h"

#include <QHash>
#include <QList>
#include <optional>

class Database;
class Dialogs;

namespace billing
{

struct GenerationSettings;
class UnbilledCollector;

// The client of a pair as the host keeps it: names, URN and pledge settings.
struct PairClient {
    ClientNames names;
    ClientPledge pledge;
};
// The clients of the run's deliveries, read from the host in one statement on the first client
// asked for; a person without a client row gets empty names and no pledge.
class PairClientReader
{
public:
    explicit PairClientReader(Database& db) : db_(db) {}
    PairClient read(qint64 personId);

private:
    Database& db_;
    std::optional<QHash<qint64, PairClient>> clients_;
};

// The host's meal items as meal lines name and price them.
struct HostItem {
    QString mealItem;
    QString meal;
    Money billedAmount; // a missing amount is 0
};
using HostItems = QHash<qint64, HostItem>;
HostItems hostItems(Database& db);

// The pair's deliveries summed per service, complimentary flag and item (plain deliveries
// first); credits for an item the host no longer has make no meal line.
QList<MealLine> pairMealLines(const ClientDeliveries& deliveries, const HostItems& items,
                              const ClientFundingPair& pair);

struct PairLines {
    QList<ClientLineItem> lines;
    Money totalCharge;   // every line
    Money clientPortion; // the lines the client pays: not billed to a third party
    // The funding source's billed party when a meal line of the pair was billed ("3" third
    // party); empty when none was.
    QString billedParty;
};

// Charges the pairs of one run, one after the other. What a run keeps across pairs lives here:
// the time pledges already written, the AR items found, the line numbers. With `unbilled`, every
// meal credit of a pair that ends on no line is handed to it with its cause.
class PairCharger
{
public:
    PairCharger(Database& db, Dialogs& dialogs, const GenerationSettings& settings,
                const BillingOptions& options, UnbilledCollector* unbilled = nullptr);

    PairLines charge(const ClientFundingPair& pair, const PairClient& client);
    // The host's meal items, read when the charger was made.
    const HostItems& items() const { return items_; }

private:
    qint64 arItemId(qint64 hostItemId);
    // Why the meal's credits end on no invoice: the charge's own reason, or lines all for a
    // third party while the funder invoicing method writes no funder invoice.
    std::optional<UnbilledCause> unbilledCause(const MealLine& meal,
                                               const MealCharge& charge) const;
    // Numbers the line and adds it to the pair's totals.
    void add(PairLines& result, ClientLineItem line);

    Database& db_;
    Dialogs& dialogs_;
    const GenerationSettings& settings_;
    QString funderInvoicingMethod_;
    ChargeChoices choices_;
    ChargeLookups lookups_;
    TimePledges timePledges_;
    HostItems items_;
    PledgeLookups pledgeLookups_;
    UnbilledCollector* unbilled_;
    ClientDeliveriesReader reader_;
    ClientDeliveries deliveries_;
    std::optional<qint64> deliveriesPerson_;
    QHash<qint64, qint64> arItems_;
    qint64 nextRecordNo_ = 1;
};

} // namespace billing

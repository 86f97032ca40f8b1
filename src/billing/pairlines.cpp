#include "billing/pairlines.h"

#include "billing/aritem.h"
#include "billing/deliverydays.h"
#include "billing/extractiontables.h"
#include "billing/generationrun.h"
#include "billing/mealcharge.h"
#include "billing/unbilledcauses.h"
#include "billing/unbilledcollector.h"
#include "engine/database.h"

#include <map>
#include <stdexcept>
#include <tuple>

namespace billing
{

namespace
{
// Pledge lines carry no funding code of their own.
const QString kPledgeFundingCode = QStringLiteral("   ");
} // namespace

PairClient PairClientReader::read(qint64 personId)
{
    if (!clients_) {
        clients_.emplace();
        Statement s = db_.query(
            QStringLiteral("SELECT Person_ID, Client_ID, First_Name, Last_Name, URN, "
                           "Pledge_Method, Pledge_Period, Pledge_Amount FROM Clients WHERE "
                           "Person_ID IN (SELECT Person_ID FROM %1)")
                .arg(kMemDeliveries));
        s.exec();
        while (s.next()) {
            const qint64 person = s.integer(0);
            if (clients_->contains(person))
                continue;
            clients_->insert(
                person,
                PairClient{ClientNames{s.text(1).trimmed(), s.text(2).trimmed(),
                                       s.text(3).trimmed(), s.text(4).trimmed()},
                           ClientPledge{s.text(5), s.text(6), Money::tryFromHost(s.value(7))}});
        }
    }
    return clients_->value(personId);
}

HostItems hostItems(Database& db)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT Item_ID, Meal_Item, Meal, Billed_Amount FROM Items"));
    s.exec();
    HostItems items;
    while (s.next())
        items.insert(s.integer(0), HostItem{s.text(1), s.text(2),
                                            Money::tryFromHost(s.value(3)).value_or(Money())});
    return items;
}

QList<MealLine> pairMealLines(const ClientDeliveries& deliveries, const HostItems& items,
                              const ClientFundingPair& pair)
{
    const QString fundingCode = pair.fundingDesc.trimmed();
    // By service, then plain before complimentary deliveries, then by item.
    std::map<std::tuple<qint64, bool, qint64>, qint64> quantities;
    for (const DeliveredItem& d : deliveries.items())
        if (d.fundingCode == fundingCode && items.contains(d.itemId))
            quantities[{d.serviceId, d.complimentary, d.itemId}] += d.quantity;

    QList<MealLine> lines;
    for (const auto& [key, quantity] : quantities) {
        const auto& [service, complimentary, itemId] = key;
        const HostItem& item = items[itemId];
        lines << MealLine{pair.personId, pair.fundingDesc, service,
                          itemId,        item.mealItem,    item.meal,
                          complimentary, quantity,         item.billedAmount};
    }
    return lines;
}

PairCharger::PairCharger(Database& db, Dialogs& dialogs, const GenerationSettings& settings,
                         const BillingOptions& options, UnbilledCollector* unbilled)
    : db_(db), dialogs_(dialogs), settings_(settings),
      funderInvoicingMethod_(options.funderInvoicingMethod), items_(hostItems(db)),
      pledgeLookups_(db), unbilled_(unbilled), reader_(db)
{
    choices_.billing = settings.billing;
    choices_.payers = settings.payers;
    choices_.clientLinesPerDate = options.clientLinesPerDate;
    choices_.funderLinesPerDate = options.funderLinesPerDate;
    choices_.lookups = &lookups_;
    choices_.priceLeftOutMeals = unbilled != nullptr;
}

PairLines PairCharger::charge(const ClientFundingPair& pair, const PairClient& client)
{
    PairLines result;
    // A client's pairs follow one another: the deliveries are read once per client.
    if (!deliveriesPerson_ || *deliveriesPerson_ != pair.personId) {
        deliveries_ = reader_.read(pair.personId);
        deliveriesPerson_ = pair.personId;
    }
    choices_.deliveries = &deliveries_;
    const int deliveryDates = deliveries_.distinctDates();

    for (const MealLine& meal : pairMealLines(deliveries_, items_, pair)) {
        const MealCharge charge = chargeMealLine(db_, dialogs_, meal, client.names, choices_);
        if (charge.billed)
            result.billedParty = charge.billedParty;
        if (unbilled_) {
            if (const std::optional<UnbilledCause> cause = unbilledCause(meal, charge)) {
                if (charge.coversWholePair)
                    unbilled_->addWholePair(pair, deliveries_, items_, client.names,
                                            charge.billedParty, *cause);
                else
                    unbilled_->addMealLine(meal, deliveries_, client.names, charge.billedParty,
                                           *cause);
            }
        }
        for (const ChargeLine& line : charge.lines)
            add(result,
                {0, pair.personId, client.names.clientId, meal.fundingCode, line.quantity,
                 arItemId(meal.itemId), line.unitPrice, line.description, line.thirdPartyBillable});

        const std::optional<PledgeLine> pledge =
            pledgeForMealLine(db_, meal, settings_.billing, settings_.pledgeOption, client.pledge,
                              deliveryDates, timePledges_, &pledgeLookups_);
        if (pledge)
            add(result,
                {0, pair.personId, client.names.clientId, kPledgeFundingCode, pledge->quantity,
                 pledge->arItemId, pledge->unitPrice, pledge->description, false});

        if (charge.coversWholePair)
            break;
    }
    if (unbilled_)
        unbilled_->addUnknownItems(pair, deliveries_, items_, client.names);
    return result;
}

std::optional<UnbilledCause> PairCharger::unbilledCause(const MealLine& meal,
                                                        const MealCharge& charge) const
{
    if (charge.unbilled)
        return charge.unbilled;
    const bool funderInvoiceWritten = funderInvoicingMethod_ == kFunderInvoicePerClient ||
                                      funderInvoicingMethod_ == kFunderInvoicePerFunder;
    // A complimentary meal is billed at 0 either way.
    if (funderInvoiceWritten || meal.complimentary || !charge.billed || charge.lines.isEmpty())
        return std::nullopt;
    for (const ChargeLine& line : charge.lines)
        if (!line.thirdPartyBillable)
            return std::nullopt; // the client's part is invoiced
    return noFunderInvoiceCause(meal.fundingCode, funderInvoicingMethod_,
                                charge.coversWholePair ? std::nullopt
                                                       : std::optional<Money>(charge.charge));
}

qint64 PairCharger::arItemId(qint64 hostItemId)
{
    const auto known = arItems_.constFind(hostItemId);
    if (known != arItems_.constEnd())
        return *known;
    const std::optional<qint64> found = arItemIdOf(db_, hostItemId);
    if (!found)
        throw std::runtime_error(QStringLiteral("The item %1 does not exist. Synchronize the "
                                                "items, then generate the invoices again.")
                                     .arg(hostItemId)
                                     .toStdString());
    arItems_.insert(hostItemId, *found);
    return *found;
}

void PairCharger::add(PairLines& result, ClientLineItem line)
{
    line.recordNo = nextRecordNo_++;
    result.totalCharge += line.amount();
    if (!line.thirdPartyBillable)
        result.clientPortion += line.amount();
    result.lines << std::move(line);
}

} // namespace billing

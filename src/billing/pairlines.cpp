#include "billing/pairlines.h"

#include "billing/aritem.h"
#include "billing/deliverydays.h"
#include "billing/extractiontables.h"
#include "billing/generationrun.h"
#include "billing/mealcharge.h"
#include "engine/database.h"

#include <stdexcept>

namespace billing
{

namespace
{
// Pledge lines carry no funding code of their own.
const QString kPledgeFundingCode = QStringLiteral("   ");
} // namespace

PairClient pairClient(Database& db, qint64 personId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT Client_ID, First_Name, Last_Name, URN, Pledge_Method, "
                       "Pledge_Period, Pledge_Amount FROM Clients WHERE Person_ID = :Person_ID"));
    s.bind(QStringLiteral("Person_ID"), personId).exec();
    PairClient client;
    if (s.next()) {
        client.names = ClientNames{s.text(0).trimmed(), s.text(1).trimmed(), s.text(2).trimmed(),
                                   s.text(3).trimmed()};
        client.pledge = ClientPledge{s.text(4), s.text(5), Money::tryFromHost(s.value(6))};
    }
    s.finish();
    return client;
}

QList<MealLine> pairMealLines(Database& db, const ClientFundingPair& pair)
{
    // A delivery without a funding code belongs to the pair whose code is empty.
    Statement s = db.query(
        QStringLiteral("SELECT m.Service_ID, m.Item_ID, Items.Meal_Item, Items.Meal, m.Comp, "
                       "SUM(m.Quantity) AS Quantity, Items.Billed_Amount "
                       "FROM %1 m JOIN Items ON m.Item_ID = Items.Item_ID "
                       "WHERE m.Person_ID = :Person_ID AND COALESCE(RTRIM(m.Funding_Desc), '') = "
                       ":Funding_Desc "
                       "GROUP BY m.Service_ID, m.Comp, m.Item_ID, Items.Meal_Item, Items.Meal, "
                       "Items.Billed_Amount "
                       "ORDER BY m.Service_ID, m.Comp, m.Item_ID")
            .arg(kMemDeliveries));
    s.bind(QStringLiteral("Person_ID"), pair.personId)
        .bind(QStringLiteral("Funding_Desc"), pair.fundingDesc.trimmed())
        .exec();
    QList<MealLine> lines;
    while (s.next()) {
        MealLine line;
        line.personId = pair.personId;
        line.fundingCode = pair.fundingDesc;
        line.serviceId = s.integer(0);
        line.itemId = s.integer(1);
        line.mealItem = s.text(2);
        line.meal = s.text(3);
        line.complimentary = s.text(4) == QLatin1String("Complimentary");
        line.quantity = s.integer(5);
        line.itemPrice = Money::tryFromHost(s.value(6)).value_or(Money());
        lines << line;
    }
    return lines;
}

PairCharger::PairCharger(Database& db, Dialogs& dialogs, const GenerationSettings& settings,
                         const BillingOptions& options)
    : db_(db), dialogs_(dialogs), settings_(settings)
{
    choices_.billing = settings.billing;
    choices_.payers = settings.payers;
    choices_.clientLinesPerDate = options.clientLinesPerDate;
    choices_.funderLinesPerDate = options.funderLinesPerDate;
}

PairLines PairCharger::charge(const ClientFundingPair& pair, const PairClient& client)
{
    PairLines result;
    // A client's pairs follow one another: the deliveries are read once per client.
    if (!deliveriesPerson_ || *deliveriesPerson_ != pair.personId) {
        deliveries_ = ClientDeliveries::load(db_, pair.personId);
        deliveriesPerson_ = pair.personId;
    }
    choices_.deliveries = &deliveries_;
    const int deliveryDates = deliveries_.distinctDates();

    for (const MealLine& meal : pairMealLines(db_, pair)) {
        const MealCharge charge = chargeMealLine(db_, dialogs_, meal, client.names, choices_);
        if (charge.billed)
            result.billedParty = charge.billedParty;
        for (const ChargeLine& line : charge.lines)
            add(result,
                {0, pair.personId, client.names.clientId, meal.fundingCode, line.quantity,
                 arItemId(meal.itemId), line.unitPrice, line.description, line.thirdPartyBillable});

        const std::optional<PledgeLine> pledge =
            pledgeForMealLine(db_, meal, settings_.billing, settings_.pledgeOption, client.pledge,
                              deliveryDates, timePledges_);
        if (pledge)
            add(result,
                {0, pair.personId, client.names.clientId, kPledgeFundingCode, pledge->quantity,
                 pledge->arItemId, pledge->unitPrice, pledge->description, false});

        if (charge.coversWholePair)
            break;
    }
    return result;
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
    result.lines << line;
}

} // namespace billing

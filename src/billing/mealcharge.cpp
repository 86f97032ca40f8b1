#include "billing/mealcharge.h"

#include "billing/billedparty.h"
#include "billing/billingmethod.h"
#include "billing/deliverydays.h"
#include "billing/fundinguses.h"
#include "billing/linedescriptions.h"
#include "billing/unbilledcauses.h"
#include "billing/unitprices.h"
#include "common/dialogs.h"

#include <stdexcept>

Money MealCharge::total() const
{
    Money sum;
    for (const ChargeLine& l : lines)
        sum += l.amount();
    return sum;
}

Money MealCharge::clientPortion() const
{
    Money sum;
    for (const ChargeLine& l : lines)
        if (!l.thirdPartyBillable)
            sum += l.amount();
    return sum;
}

namespace billing
{

namespace
{

const ClientDeliveries& deliveriesOf(const ChargeChoices& choices)
{
    if (!choices.deliveries)
        throw std::logic_error("the charge of a meal line needs the client's deliveries");
    return *choices.deliveries;
}

QString billedParty(Database& db, const MealLine& line, const ChargeChoices& choices)
{
    if (!choices.lookups)
        return billedPartyOf(db, line.fundingCode);
    QHash<QString, QString>& known = choices.lookups->billedParty;
    auto it = known.constFind(line.fundingCode);
    if (it == known.constEnd())
        it = known.insert(line.fundingCode, billedPartyOf(db, line.fundingCode));
    return *it;
}

const FundingUses& fundingUses(Database& db, ChargeLookups& lookups)
{
    if (!lookups.fundingUses)
        lookups.fundingUses = std::make_shared<const FundingUses>(db);
    return *lookups.fundingUses;
}

// The client's own time-billing rate, else the funding source's (remembered per source).
std::optional<PeriodRate> timeRate(Database& db, const MealLine& line, const ChargeChoices& choices)
{
    if (!choices.lookups)
        return periodRate(db, line.personId, line.serviceId, line.fundingCode);
    ChargeLookups& known = *choices.lookups;
    if (std::optional<PeriodRate> own =
            fundingUses(db, known).timeRate(line.personId, line.serviceId, line.fundingCode))
        return own;
    const QString fund = line.fundingCode.trimmed();
    auto found = known.funderTimeRate.constFind(fund);
    if (found == known.funderTimeRate.constEnd())
        found = known.funderTimeRate.insert(fund, funderPeriodRate(db, fund));
    return *found;
}

QString billingMethod(Database& db, const MealLine& line, const ChargeChoices& choices)
{
    if (!choices.lookups)
        return billingMethodOf(db, line.personId, line.serviceId, line.fundingCode);
    const QString key =
        QStringLiteral("%1/%2/%3").arg(line.personId).arg(line.serviceId).arg(line.fundingCode);
    QHash<QString, QString>& known = choices.lookups->billingMethod;
    auto it = known.constFind(key);
    if (it != known.constEnd())
        return *it;
    const QString own =
        fundingUses(db, *choices.lookups).method(line.personId, line.serviceId, line.fundingCode);
    QString funder;
    if (own.isEmpty()) {
        QHash<QString, QString>& funders = choices.lookups->funderBillingMethod;
        const QString fund = line.fundingCode.trimmed();
        auto f = funders.constFind(fund);
        if (f == funders.constEnd())
            f = funders.insert(fund, funderBillingMethod(db, fund));
        funder = *f;
    }
    return *known.insert(key, methodInForce(own, funder));
}

// Billed by item units, remembering the amounts that hold for every client without prices of
// their own under the funding source.
UnitPrice unitAmount(Database& db, const PriceKey& key, const QString& party,
                     const ChargeChoices& choices)
{
    if (!choices.lookups)
        return unitAmountByItem(db, key, party);
    ChargeLookups& known = *choices.lookups;
    if (!known.clientsWithOwnPrices)
        known.clientsWithOwnPrices = clientsWithOwnPrices(db);
    const QString fund = key.fundingCode.trimmed();
    if (known.clientsWithOwnPrices->contains(QStringLiteral("%1/%2").arg(key.personId).arg(fund)))
        return unitAmountByItem(db, key, party);
    const bool fundersList = party == kThirdParty || party == kPrivatePay;
    const QString shared = QStringLiteral("%1/%2/%3/%4")
                               .arg(fundersList ? QLatin1Char('F') : QLatin1Char('C'))
                               .arg(fund)
                               .arg(key.itemId)
                               .arg(key.meal.trimmed());
    auto it = known.sharedUnitAmounts.constFind(shared);
    if (it == known.sharedUnitAmounts.constEnd())
        it = known.sharedUnitAmounts.insert(shared, unitAmountByItem(db, key, party));
    return *it;
}

// Billed by time: the rate, the line description and the warnings about what is missing.
void chargeByTime(Database& db, Dialogs& dialogs, const MealLine& line, const ClientNames& client,
                  const ChargeChoices& choices, MealCharge& result)
{
    const std::optional<PeriodRate> rate = timeRate(db, line, choices);
    const QString word = periodWord(rate ? rate->period : QString());
    result.charge = rate ? rate->rate : Money();
    result.description = byTimeDescription(word, result.billedParty == kThirdParty, client);
    const QString who = client.firstName + QLatin1Char(' ') + client.lastName;
    const bool periodMissing = !result.charge.isZero() && word == periodWord(QString());
    if (periodMissing) {
        dialogs.inform(Dialogs::Kind::Warning,
                       QStringLiteral("A billing period was not specified for ") + who);
        result.charge = Money();
    }
    if (result.charge.isZero()) {
        dialogs.inform(Dialogs::Kind::Warning,
                       QStringLiteral("A billing amount for the period was not specified for ") +
                           who);
        result.unbilled = byTimeCause(line, rate, periodMissing);
    }
}

// What a meal the payer choice leaves out would have been charged apiece, where that is certain
// without asking anything: by item or at cost, not by time.
std::optional<Money> leftOutUnitPrice(Database& db, const MealLine& line, const QString& party,
                                      const ChargeChoices& choices)
{
    if (line.complimentary)
        return Money();
    const QString method = billingMethod(db, line, choices);
    if (method == kByTime)
        return std::nullopt;
    const Money charge =
        method == kByItem
            ? unitAmount(db,
                         {line.personId, line.serviceId, line.fundingCode, line.itemId, line.meal},
                         party, choices)
                  .amount
            : line.itemPrice;
    return charge.isZero() ? std::nullopt : std::optional<Money>(charge);
}

} // namespace

MealCharge chargeMealLine(Database& db, Dialogs& dialogs, const MealLine& line,
                          const ClientNames& client, const ChargeChoices& choices)
{
    MealCharge result;
    if (choices.billing == BillingChoice::PledgesOnly) {
        result.unbilled = pledgesOnlyCause();
        return result;
    }

    result.billedParty = billedParty(db, line, choices);
    result.billed = isBilled(result.billedParty, choices.payers);
    if (!result.billed) {
        result.unbilled = notBilledCause(line.fundingCode, result.billedParty, choices.payers);
        if (choices.priceLeftOutMeals && result.billedParty != kNoBilling)
            result.unbilled->unitPrice = leftOutUnitPrice(db, line, result.billedParty, choices);
        return result;
    }

    const bool thirdParty = result.billedParty == kThirdParty;
    result.billingMethod = billingMethod(db, line, choices);
    if (result.billingMethod == kByItem) {
        const PriceKey key{line.personId, line.serviceId, line.fundingCode, line.itemId, line.meal};
        const UnitPrice price = unitAmount(db, key, result.billedParty, choices);
        result.charge = price.amount;
        if (result.charge.isZero())
            result.unbilled = byItemCause(line, price);
        if (thirdParty)
            result.description = byItemDescription(line.mealItem, client);
    } else if (result.billingMethod == kByTime) {
        chargeByTime(db, dialogs, line, client, choices, result);
        result.coversWholePair = true;
    } else {
        result.charge = line.complimentary ? Money() : line.itemPrice;
        if (result.charge.isZero())
            result.unbilled = atCostCause(line);
        if (thirdParty)
            result.description = atCostDescription(line.mealItem, client);
    }

    if (!line.complimentary && result.charge.isZero())
        return result;
    result.unbilled.reset(); // a complimentary meal is billed, at 0
    const Money unitPrice = line.complimentary ? Money() : result.charge;

    const bool byTime = result.billingMethod == kByTime;
    const bool perDate = thirdParty ? choices.funderLinesPerDate : choices.clientLinesPerDate;
    if (perDate && !byTime) {
        for (const DeliveryDate& d : deliveriesOf(choices).byDate(line))
            result.lines << ChargeLine{
                d.quantity, unitPrice,
                perDateDescription(line.mealItem, line.complimentary, thirdParty, client, d.date),
                thirdParty, d.date};
        return result;
    }
    const qint64 quantity = byTime ? deliveriesOf(choices).distinctDates() : line.quantity;
    result.lines << ChargeLine{quantity, unitPrice,
                               line.complimentary ? complimentaryDescription(result.description)
                                                  : result.description,
                               thirdParty, QDate()};
    return result;
}

} // namespace billing

#include "billing/unbilledcauses.h"

#include "billing/billedparty.h"
#include "billing/unitprices.h"

namespace billing
{

namespace
{

QString itemWords(const MealLine& line)
{
    return QStringLiteral("item %1 (%2)").arg(line.itemId).arg(line.mealItem.trimmed());
}

QString fundWords(const QString& fundingCode, bool startsSentence = false)
{
    const QString code = fundingCode.trimmed();
    if (code.isEmpty())
        return startsSentence ? QStringLiteral("Deliveries without a funding source")
                              : QStringLiteral("deliveries without a funding source");
    return (startsSentence ? QStringLiteral("Funding source %1")
                           : QStringLiteral("funding source %1"))
        .arg(code);
}

QString billedPartyWords(const QString& billedParty)
{
    if (billedParty == kThirdParty)
        return QStringLiteral("a third party");
    if (billedParty == kPrivatePay)
        return QStringLiteral("private pay");
    return QStringLiteral("the client");
}

QString priceRowWords(const UnitPrice& price)
{
    static const char* const rows[] = {"the client's price for the item",
                                       "the client's price for the meal category",
                                       "the funding source's general price for the item",
                                       "the funding source's general price for the meal category"};
    const QString row = price.row >= 1 && price.row <= 4 ? QString::fromLatin1(rows[price.row - 1])
                                                         : QStringLiteral("a price row");
    return row + (price.allServices ? QStringLiteral(" (all services)")
                                    : QStringLiteral(" (the delivery's service)"));
}

} // namespace

QString payerChoiceText(PayerChoice payers)
{
    switch (payers) {
    case PayerChoice::PrivatePayOnly:
        return QStringLiteral("Private Pay Only");
    case PayerChoice::PrivatePayAndFunders:
        return QStringLiteral("Private Pay and Third-Party Funders");
    case PayerChoice::FundersOnly:
        return QStringLiteral("Third-Party Funders Only");
    }
    return {};
}

UnbilledCause pledgesOnlyCause()
{
    return {UnbilledReason::PledgesOnly,
            QStringLiteral("The run generated pledges only; generate meal billing to bill it."),
            std::nullopt};
}

UnbilledCause notBilledCause(const QString& fundingCode, const QString& billedParty,
                             PayerChoice payers)
{
    if (billedParty == kNoBilling)
        return {UnbilledReason::NoBillingSource,
                QStringLiteral("%1 bills no one (No Billing).").arg(fundWords(fundingCode, true)),
                std::nullopt};
    return {UnbilledReason::LeftOutByPayers,
            QStringLiteral("%1 bills %2, which the payer choice \"%3\" leaves out.")
                .arg(fundWords(fundingCode, true), billedPartyWords(billedParty),
                     payerChoiceText(payers)),
            std::nullopt};
}

UnbilledCause byItemCause(const MealLine& line, const UnitPrice& price)
{
    const QString where = QStringLiteral("%1 under %2, billed by item")
                              .arg(itemWords(line), fundWords(line.fundingCode));
    switch (price.source) {
    case PriceSource::PriceRow:
        return {UnbilledReason::ZeroPriceEnded,
                QStringLiteral("%1: %2 is 0, which ends the search for a price.")
                    .arg(where, priceRowWords(price)),
                std::nullopt};
    case PriceSource::EmptyRows:
        return {UnbilledReason::NoPrice,
                QStringLiteral("%1: the matching price rows have no amount.").arg(where),
                std::nullopt};
    case PriceSource::ItemCost:
        return {UnbilledReason::NoPrice,
                QStringLiteral("%1: no price row, and the item's cost is 0.").arg(where),
                std::nullopt};
    case PriceSource::NoCost:
        break;
    }
    return {UnbilledReason::NoPrice,
            QStringLiteral("%1: no price row, and the item has no cost.").arg(where), std::nullopt};
}

UnbilledCause noFunderInvoiceCause(const QString& fundingCode, const QString& method,
                                   std::optional<Money> unitPrice)
{
    const QString setting = method.isEmpty()
                                ? QStringLiteral("is not set")
                                : QStringLiteral("is \"%1\", which writes none").arg(method);
    return {UnbilledReason::NoFunderInvoice,
            QStringLiteral("%1 bills a third party, but the organization's Funder Invoicing "
                           "Method %2: choose one in Organization Setup.")
                .arg(fundWords(fundingCode, true), setting),
            unitPrice};
}

UnbilledCause atCostCause(const MealLine& line)
{
    return {UnbilledReason::ZeroCost,
            QStringLiteral("Item %1 (%2) under %3, billed at cost: the item's cost is 0.")
                .arg(line.itemId)
                .arg(line.mealItem.trimmed(), fundWords(line.fundingCode)),
            std::nullopt};
}

UnbilledCause byTimeCause(const MealLine& line, const std::optional<PeriodRate>& rate,
                          bool periodMissing)
{
    const QString fund = fundWords(line.fundingCode);
    if (periodMissing && rate)
        return {UnbilledReason::NoTimePeriod,
                QStringLiteral("Billed by time under %1: the rate %2 has no period (D, M or Y).")
                    .arg(fund, rate->rate.toPlainString()),
                std::nullopt};
    return {UnbilledReason::NoTimeRate,
            QStringLiteral("Billed by time under %1: neither the client nor the funding source "
                           "has a rate.")
                .arg(fund),
            std::nullopt};
}

UnbilledCause unknownItemCause(qint64 itemId)
{
    return {UnbilledReason::NoArItem,
            QStringLiteral("Item %1 is not in the host's item list, so no AR item stands for it; "
                           "restore the item and synchronize the items.")
                .arg(itemId),
            std::nullopt};
}

UnbilledCause excludedCause(const QString& mealItem, qint64 itemId, const ItemFilter& filter)
{
    const QString item = QStringLiteral("Item %1 (%2)").arg(itemId).arg(mealItem.trimmed());
    return {UnbilledReason::ExcludedByFilter,
            filter.mode == ItemFilterMode::Exclude
                ? QStringLiteral("%1 was excluded from the run.").arg(item)
                : QStringLiteral("%1 was not among the items the run included.").arg(item),
            std::nullopt};
}

} // namespace billing

#include "sampleunbilled.h"

namespace
{

billing::UnbilledDelivery credit(billing::UnbilledReason reason, const char* funder,
                                 const char* clientId, const char* name, int day, const char* item,
                                 qint64 quantity, const char* funding, const char* detail,
                                 std::optional<qint64> cents = std::nullopt)
{
    billing::UnbilledDelivery d;
    d.reason = reason;
    d.funderName = QString::fromUtf8(funder);
    d.clientId = QString::fromUtf8(clientId);
    d.clientName = QString::fromUtf8(name);
    d.deliveryDate = QDate(2026, 11, day);
    d.mealItem = QString::fromUtf8(item);
    d.quantity = quantity;
    d.fundingCode = QString::fromUtf8(funding);
    d.detail = QString::fromUtf8(detail);
    if (cents)
        d.wouldHaveBilled = Money::fromCents(*cents);
    return d;
}

} // namespace

billing::UnbilledRun sampleUnbilledRun()
{
    using R = billing::UnbilledReason;
    const char* county = "Larkmoor County Aging Office";
    const char* noSoupPrice = "No price row for Soup & Roll under PRIV";
    return {
        QStringLiteral("marta"),
        QDateTime(QDate(2026, 12, 1), QTime(9, 5)),
        false,
        {QDate(2026, 11, 1), QDate(2026, 11, 30)},
        {credit(R::NoPrice, "", "1021", "Abbott, Ruth", 3, "Soup & Roll", 1, "PRIV", noSoupPrice),
         credit(R::NoPrice, "", "1021", "Abbott, Ruth", 10, "Soup & Roll", 1, "PRIV", noSoupPrice),
         credit(R::NoPrice, "", "1021", "Abbott, Ruth", 17, "Soup & Roll", 2, "PRIV", noSoupPrice),
         credit(R::NoPrice, "", "1103", "Brandt, Emil", 4, "Soup & Roll", 1, "PRIV", noSoupPrice),
         credit(R::ZeroPriceEnded, county, "1044", "Okafor, Grace", 5, "Hot Lunch", 1, "T3C",
                "Price of 0.00 from 10/1/2026 for Hot Lunch under T3C ended the search"),
         credit(R::ZeroPriceEnded, county, "1044", "Okafor, Grace", 12, "Hot Lunch", 1, "T3C",
                "Price of 0.00 from 10/1/2026 for Hot Lunch under T3C ended the search"),
         credit(R::LeftOutByPayers, "Meals Trust", "1077", "Lindqvist, Per", 6, "Hot Lunch", 1,
                "MT", "Third-party funders are not billed by Private Pay Only", 650),
         credit(R::LeftOutByPayers, "Meals Trust", "1077", "Lindqvist, Per", 13, "Hot Lunch", 1,
                "MT", "Third-party funders are not billed by Private Pay Only", 650),
         credit(R::LeftOutByPayers, "Meals Trust", "1090", "Moreau, Celine", 6, "Breakfast", 2,
                "MT", "Third-party funders are not billed by Private Pay Only", 800),
         credit(R::NoArItem, "", "1103", "Brandt, Emil", 18, "Frozen Dinner", 3, "PRIV",
                "The host's item 31 has no AR item: synchronize items, then generate again")}};
}

#include "billing/unbilledcollector.h"

#include "billing/billedparty.h"
#include "billing/extraction.h"
#include "billing/linecharge.h"
#include "billing/pairlines.h"
#include "billing/unbilledcauses.h"
#include "engine/database.h"

namespace billing
{

QString listedClientName(const QString& lastName, const QString& firstName)
{
    const QString last = lastName.trimmed();
    const QString first = firstName.trimmed();
    if (last.isEmpty() || first.isEmpty())
        return last + first;
    return last + QStringLiteral(", ") + first;
}

void UnbilledCollector::add(const DeliveredItem& credit, qint64 personId, const ClientNames& client,
                            const QString& mealItem, const QString& fundingCode,
                            const QString& funderName, const UnbilledCause& cause)
{
    UnbilledDelivery d;
    // A delivery without its client's number is listed under the client's own.
    d.clientId = credit.clientId.trimmed();
    if (d.clientId.isEmpty())
        d.clientId = client.clientId;
    d.personId = personId;
    d.clientName = listedClientName(client.lastName, client.firstName);
    d.deliveryDate = credit.date;
    d.itemId = credit.itemId;
    d.mealItem = mealItem.trimmed();
    d.fundingCode = fundingCode;
    d.funderName = funderName;
    d.quantity = credit.quantity;
    d.reason = cause.reason;
    d.detail = cause.detail;
    if (cause.unitPrice)
        d.wouldHaveBilled = lineCharge(credit.quantity, *cause.unitPrice);
    deliveries_ << std::move(d);
}

void UnbilledCollector::addMealLine(const MealLine& line, const ClientDeliveries& deliveries,
                                    const ClientNames& client, const QString& billedParty,
                                    const UnbilledCause& cause)
{
    const QString funder = funderName(line.fundingCode, billedParty);
    for (const DeliveredItem& credit : deliveries.items())
        if (belongsTo(credit, line))
            add(credit, line.personId, client, line.mealItem, line.fundingCode, funder, cause);
}

void UnbilledCollector::addWholePair(const ClientFundingPair& pair,
                                     const ClientDeliveries& deliveries, const HostItems& items,
                                     const ClientNames& client, const QString& billedParty,
                                     const UnbilledCause& cause)
{
    const QString funder = funderName(pair.fundingDesc, billedParty);
    const QString code = pair.fundingDesc.trimmed();
    for (const DeliveredItem& credit : deliveries.items()) {
        const auto item = items.constFind(credit.itemId);
        if (credit.fundingCode == code && item != items.constEnd())
            add(credit, pair.personId, client, item->mealItem, pair.fundingDesc, funder, cause);
    }
}

void UnbilledCollector::addUnknownItems(const ClientFundingPair& pair,
                                        const ClientDeliveries& deliveries, const HostItems& items,
                                        const ClientNames& client)
{
    const QString code = pair.fundingDesc.trimmed();
    for (const DeliveredItem& credit : deliveries.items())
        if (credit.fundingCode == code && !items.contains(credit.itemId))
            add(credit, pair.personId, client, QString(), pair.fundingDesc, QString(),
                unknownItemCause(credit.itemId));
}

void UnbilledCollector::addExcluded(const QList<PeriodCredit>& credits, const HostItems& items,
                                    const ItemFilter& filter)
{
    for (const PeriodCredit& c : credits) {
        const QString mealItem = items.value(c.itemId).mealItem;
        add(DeliveredItem{c.date, c.fundingCode.trimmed(), 0, false, c.itemId, c.quantity,
                          c.clientId},
            c.personId, client(c.personId), mealItem, c.fundingCode, QString(),
            excludedCause(mealItem, c.itemId, filter));
    }
}

QString UnbilledCollector::funderName(const QString& fundingCode, const QString& billedParty)
{
    if (billedParty != kThirdParty)
        return {};
    if (!funderNames_) {
        funderNames_.emplace();
        Statement s = db_.query(
            QStringLiteral("SELECT Fund_CD, Fund_Srce FROM FundSrcs ORDER BY Fund_ID DESC"));
        s.exec();
        while (s.next()) // the first row of a code wins, as the billed party's lookup takes it
            funderNames_->insert(s.text(0).trimmed(), s.text(1).trimmed());
    }
    return funderNames_->value(fundingCode.trimmed());
}

ClientNames UnbilledCollector::client(qint64 personId)
{
    if (!clients_) {
        clients_.emplace();
        Statement s = db_.query(
            QStringLiteral("SELECT Person_ID, Client_ID, First_Name, Last_Name FROM Clients"));
        s.exec();
        while (s.next())
            if (!clients_->contains(s.integer(0)))
                clients_->insert(s.integer(0),
                                 ClientNames{s.text(1).trimmed(), s.text(2), s.text(3), QString()});
    }
    return clients_->value(personId);
}

} // namespace billing

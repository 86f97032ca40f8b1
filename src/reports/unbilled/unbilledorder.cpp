#include "reports/unbilled/unbilledorder.h"

#include <algorithm>

namespace reports
{

using billing::UnbilledDelivery;

namespace
{

int reasonRank(billing::UnbilledReason reason)
{
    return int(billing::allUnbilledReasons().indexOf(reason));
}

// Names and codes compared as a bookkeeper reads them: without regard to case.
int compareText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

bool before(const UnbilledDelivery& a, const UnbilledDelivery& b)
{
    if (a.reason != b.reason)
        return reasonRank(a.reason) < reasonRank(b.reason);
    // The client's own bill (no funder) first.
    if (a.funderName.isEmpty() != b.funderName.isEmpty())
        return a.funderName.isEmpty();
    if (const int c = compareText(a.funderName, b.funderName))
        return c < 0;
    if (a.funderName != b.funderName) // one funder spelt two ways stays two groups, in one order
        return a.funderName < b.funderName;
    if (const int c = compareText(a.clientId, b.clientId))
        return c < 0;
    if (a.clientId != b.clientId)
        return a.clientId < b.clientId;
    if (a.deliveryDate != b.deliveryDate)
        return a.deliveryDate < b.deliveryDate;
    if (const int c = compareText(a.mealItem, b.mealItem))
        return c < 0;
    return a.itemId < b.itemId;
}

} // namespace

QString billedPartyLabel(const UnbilledDelivery& delivery)
{
    return delivery.funderName.isEmpty() ? kClientBilled : delivery.funderName;
}

QList<UnbilledDelivery> inReportOrder(QList<UnbilledDelivery> deliveries)
{
    std::stable_sort(deliveries.begin(), deliveries.end(), before);
    return deliveries;
}

} // namespace reports

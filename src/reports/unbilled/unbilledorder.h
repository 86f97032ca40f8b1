#pragma once
// The order and the groups the Unbilled Deliveries report prints a run's meal credits in: by
// reason as the reasons are listed, then by who would have been billed (the client's own bill
// before the funders, the funders by name), then by client, delivery date and meal item.

#include "billing/unbilled.h"

#include <QList>
#include <QString>

namespace reports
{

// The group a meal credit the client would have paid for goes under, in place of a funder.
inline const QString kClientBilled = QStringLiteral("Client billed");

// The funder's name, or kClientBilled when the client would have been billed.
QString billedPartyLabel(const billing::UnbilledDelivery& delivery);

// The meal credits in the report's order; credits alike in every sorted field keep the run's
// order.
QList<billing::UnbilledDelivery> inReportOrder(QList<billing::UnbilledDelivery> deliveries);

} // namespace reports

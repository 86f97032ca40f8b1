#pragma once
// The meal credits a generation run billed to no one, as a csv file for a spreadsheet: a header
// line, then one line per credit (Client_ID, Person_ID, Deliv_Dt as yyyy-mm-dd, Item_ID,
// Meal_Item, Funding_Desc, Quantity, Reason as its fixed code, Detail), quoted as RFC 4180 files
// are. The file appears whole or not at all.

#include "billing/unbilled.h"

#include <QList>
#include <QString>

namespace billing
{
// Raises std::runtime_error naming the file when it cannot be written.
void writeUnbilledCsv(const QString& path, const QList<UnbilledDelivery>& deliveries);
} // namespace billing

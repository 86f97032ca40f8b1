#pragma once
// What the run's deliveries table says about one client's delivery dates.

#include "billing/chargetypes.h"

#include <QDate>
#include <QList>

class Database;

namespace billing
{
// The number of distinct dates the client had a delivery in the period, under any funding source.
int distinctDeliveryDates(Database& db, const QString& deliveriesTable, qint64 personId);

struct DeliveryDate {
    QDate date;
    qint64 quantity = 0;
};
// The meals of one meal line per delivery date, earliest first: only the deliveries with the
// line's own complimentary flag, so a charged line never lists complimentary meals.
QList<DeliveryDate> deliveriesByDate(Database& db, const QString& deliveriesTable,
                                     const MealLine& line);
} // namespace billing

#pragma once
// The period's deliveries: one row per client, plan and delivery day, each with the meal items
// it brought (MealCrdt) dated the same day.

#include "host/sampledataclients.h"

#include <QDate>
#include <QList>

class Progress;

namespace sampledata
{

// The days the kitchen delivers: weekdays, except the holidays it closes for (New Year's Day,
// Memorial Day, Independence Day, Labor Day, Thanksgiving, Christmas; a holiday on a weekend
// is kept on the nearest weekday).
QList<QDate> deliveryDays(const QDate& first, const QDate& last);

void writeDeliveries(Database& db, const ClientRoster& roster, const SampleDataOptions& options,
                     Progress& progress);

} // namespace sampledata

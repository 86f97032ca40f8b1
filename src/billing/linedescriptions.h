#pragma once
// The descriptions that meal lines carry on an invoice. Funder invoices name the client on each
// line; client invoices need only the meal.

#include <QDate>
#include <QString>

struct ClientNames;

namespace billing
{
// " (URN)" when the client has a URN, else nothing.
QString urnSuffix(const ClientNames& client);
// "Last, First (URN)".
QString clientName(const ClientNames& client);

// A third-party line billed by item: the meal's name (at most 35 characters) and the client.
QString byItemDescription(const QString& mealItem, const ClientNames& client);
// Billed at cost for a third party: the whole meal name and the client.
QString atCostDescription(const QString& mealItem, const ClientNames& client);
// "Deliveries, by Month", with " to Last, First (URN)" on a third party's line.
QString byTimeDescription(const QString& periodWord, bool thirdParty, const ClientNames& client);
// A summary line of complimentary meals.
QString complimentaryDescription(const QString& description);
// One delivery date's line: "Chicken Soup(s), Mon 6/5/00" for the client; the client named
// ("Smith,Ann (U1)") on a third party's line; complimentary meals marked.
QString perDateDescription(const QString& mealItem, bool complimentary, bool thirdParty,
                           const ClientNames& client, const QDate& date);
} // namespace billing

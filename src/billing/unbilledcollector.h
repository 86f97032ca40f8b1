#pragma once
// The run's list of meal credits billed to no one, gathered as the pairs are charged. A meal
// line that made no line hands over its cause once; its credits (the client's rows of
// MemDeliveries the line sums) are listed one by one from what the run already holds in memory,
// so the list costs the run no statement of its own, except for the funders' names (read once)
// and, on a run with an item filter, the credits the filter left out.

#include "billing/chargetypes.h"
#include "billing/deliverydays.h"
#include "billing/extractionfilter.h"
#include "billing/extractionpairs.h"
#include "billing/unbilled.h"

#include <QHash>
#include <QList>
#include <optional>

class Database;

namespace billing
{

struct HostItem;
using HostItems = QHash<qint64, HostItem>;
struct PeriodCredit;

class UnbilledCollector
{
public:
    explicit UnbilledCollector(Database& db) : db_(db) {}

    // The credits of a meal line that made no line. `billedParty` is the funding source's, when
    // it was looked up.
    void addMealLine(const MealLine& line, const ClientDeliveries& deliveries,
                     const ClientNames& client, const QString& billedParty,
                     const UnbilledCause& cause);
    // Every credit of the pair whose item the host has: a time-billed pair without a rate.
    void addWholePair(const ClientFundingPair& pair, const ClientDeliveries& deliveries,
                      const HostItems& items, const ClientNames& client, const QString& billedParty,
                      const UnbilledCause& cause);
    // The pair's credits for items the host's item list does not have: they make no meal line.
    void addUnknownItems(const ClientFundingPair& pair, const ClientDeliveries& deliveries,
                         const HostItems& items, const ClientNames& client);
    // The period's credits the item filter left out of the run.
    void addExcluded(const QList<PeriodCredit>& credits, const HostItems& items,
                     const ItemFilter& filter);

    const QList<UnbilledDelivery>& deliveries() const { return deliveries_; }

private:
    void add(const DeliveredItem& credit, qint64 personId, const ClientNames& client,
             const QString& mealItem, const QString& fundingCode, const QString& funderName,
             const UnbilledCause& cause);
    QString funderName(const QString& fundingCode, const QString& billedParty);
    ClientNames client(qint64 personId);

    Database& db_;
    QList<UnbilledDelivery> deliveries_;
    std::optional<QHash<QString, QString>> funderNames_; // by trimmed funding code
    std::optional<QHash<qint64, ClientNames>> clients_;  // read only for left-out credits
};

// "Last, First" as a meal credit's client is listed.
QString listedClientName(const QString& lastName, const QString& firstName);

} // namespace billing

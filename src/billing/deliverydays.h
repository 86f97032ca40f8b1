#pragma once
// One client's deliveries of the period, read once from the run's MemDeliveries: the delivery
// dates a time-billed line or a per-day pledge counts, and the meals of a meal line per date.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

class Database;
struct MealLine;

namespace billing
{

struct DeliveredItem {
    QDate date;
    QString fundingCode; // trailing blanks dropped; empty for a delivery without one
    qint64 serviceId = 0;
    bool complimentary = false;
    qint64 itemId = 0;
    qint64 quantity = 0;
    QString clientId{}; // the delivery's Client_ID
};

// Whether the credit is one of the meal line's: same funding source, service, complimentary flag
// and item.
bool belongsTo(const DeliveredItem& item, const MealLine& line);

struct DeliveryDate {
    QDate date;
    qint64 quantity = 0;
};

class ClientDeliveries
{
public:
    ClientDeliveries() = default;
    explicit ClientDeliveries(QList<DeliveredItem> items) : items_(std::move(items)) {}

    const QList<DeliveredItem>& items() const { return items_; }

    // The number of distinct dates the client had a delivery in the period.
    int distinctDates() const;
    // The meals of one meal line per delivery date, earliest first: only the deliveries with
    // the line's own complimentary flag, so a charged line never lists complimentary meals.
    QList<DeliveryDate> byDate(const MealLine& line) const;

private:
    QList<DeliveredItem> items_;
};

// Reads clients' rows of the run's MemDeliveries, under every funding source; the table is read
// once, on the first client asked for.
class ClientDeliveriesReader
{
public:
    explicit ClientDeliveriesReader(Database& db);
    ClientDeliveries read(qint64 personId);

private:
    Database& db_;
    bool loaded_ = false;
    QHash<qint64, QList<DeliveredItem>> byClient_;
};

} // namespace billing

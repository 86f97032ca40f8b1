#pragma once
// Pledges: what a client has promised to pay towards the meals, per item or per day, month or
// year. Under "Pledges Only" and "Billing and Pledges" each meal line of the run may add one
// pledge line, always to the client's own invoice.

#include "billing/chargetypes.h"

#include <QHash>
#include <QSet>
#include <QVariant>
#include <optional>

class Database;

namespace billing
{
// "Calculate pledges by using:" on the generation screen.
enum class PledgeOption { PerItem = 0, PerDay = 1, Monthly = 2, Yearly = 3 };

// The client's pledge settings: Pledge_Method ("I" per item, "T" per period of time),
// Pledge_Period ("DY", "MO", "YR") and Pledge_Amount. Codes compare with trailing blanks ignored.
struct ClientPledge {
    QString method;
    QString period;
    std::optional<Money> amount;
};

struct PledgeLine {
    qint64 quantity = 0;
    Money unitPrice;
    QString description;
    qint64 arItemId = 0; // the pledge item, "P" followed by the host item number

    Money amount() const { return lineCharge(quantity, unitPrice); }
};

// The client's pledge for the meal's item: a row of the client's price list with Method "P" whose
// Unit is the item number wins over one whose Unit is the meal category; the first with an amount
// counts. None when the client pledged nothing for it.
std::optional<Money> pledgedAmount(Database& db, const MealLine& line);

// The ItemID of the pledge item of a host meal item ("P" + Item_ID), when items are synchronized.
std::optional<qint64> pledgeItemIdOf(Database& db, qint64 hostItemId);

// What pledges look up, read once for a run: the pledges of the run's clients (their Method "P"
// rows of the price list) and the pledge items.
class PledgeLookups
{
public:
    explicit PledgeLookups(Database& db) : db_(db) {}
    // As pledgedAmount and pledgeItemIdOf, for a client of the run.
    std::optional<Money> pledgedAmount(const MealLine& line);
    std::optional<qint64> pledgeItemIdOf(qint64 hostItemId);

private:
    struct Pledge {
        QString unit; // without blanks around it
        QVariant amount;
    };
    Database& db_;
    std::optional<QHash<qint64, QList<Pledge>>> byClient_;
    QHash<qint64, std::optional<qint64>> pledgeItems_;
};

// Time pledges (per day, month or year) are a client's promise for the whole period: written once
// per client in a run, on the client's first funding source, even when the client had deliveries
// under two funding sources.
class TimePledges
{
public:
    bool written(qint64 personId) const { return written_.contains(personId); }
    void markWritten(qint64 personId) { written_.insert(personId); }

private:
    QSet<qint64> written_;
};

// The pledge line one meal line adds, or none: nothing under "Meal Billing Only", when the
// option does not match the client's method and period, when the amount is not above 0, or when
// a time pledge was already written for the client. `deliveryDates` is the client's number of
// distinct delivery dates in the period (all funding sources), the quantity of a per-day pledge.
std::optional<PledgeLine> pledgeForMealLine(Database& db, const MealLine& line,
                                            BillingChoice billing, PledgeOption option,
                                            const ClientPledge& pledge, int deliveryDates,
                                            TimePledges& timePledges,
                                            PledgeLookups* lookups = nullptr);
} // namespace billing

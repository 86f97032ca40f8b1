#include "host/sampledatadeliveries.h"

#include "common/dialogs.h"
#include "data/hosttables.h"
#include "engine/batchinsert.h"

#include <QHash>
#include <QSet>

namespace sampledata
{

namespace
{

constexpr quint64 kDeliveryStream = 2;
constexpr int kFirstDeliveryId = 100001;
constexpr int kMostItemsPerDelivery = 3;

// The kitchen's rotation of hot meals, one a day, and what goes into a frozen week.
const QList<int> kHotMenu = {301, 201, 302, 202, 303, 203, 304, 204, 305, 205, 306};
const QList<int> kFrozenMenu = {301, 302, 304, 305, 306, 201, 202, 203};
const QList<int> kBreakfasts = {101, 102, 103, 104};
const QList<int> kSnacks = {401, 402, 403};
constexpr int kMilk = 501;
constexpr int kBread = 503;
constexpr int kThickenedWater = 603;
constexpr int kHolidayDinner = 12001;
constexpr int kGiftBag = 801;
constexpr int kPetFood = 802;

struct Line {
    int item;
    int quantity;
};

QDate observed(const QDate& holiday)
{
    if (holiday.dayOfWeek() == 6)
        return holiday.addDays(-1);
    if (holiday.dayOfWeek() == 7)
        return holiday.addDays(1);
    return holiday;
}

QDate nthWeekday(int year, int month, int weekday, int n)
{
    QDate d(year, month, 1);
    while (d.dayOfWeek() != weekday)
        d = d.addDays(1);
    return d.addDays(7 * (n - 1));
}

QDate lastWeekday(int year, int month, int weekday)
{
    QDate d = QDate(year, month, 1).addMonths(1).addDays(-1);
    while (d.dayOfWeek() != weekday)
        d = d.addDays(-1);
    return d;
}

QDate thanksgiving(int year)
{
    return nthWeekday(year, 11, 4, 4);
}

bool isHoliday(const QDate& day)
{
    const int y = day.year();
    return day == observed(QDate(y, 1, 1)) || day == observed(QDate(y + 1, 1, 1)) ||
           day == lastWeekday(y, 5, 1) || day == observed(QDate(y, 7, 4)) ||
           day == nthWeekday(y, 9, 1, 1) || day == thanksgiving(y) ||
           day == observed(QDate(y, 12, 25));
}

int specialDinner(Diet diet)
{
    switch (diet) {
    case Diet::Renal:
        return 701;
    case Diet::Pureed:
        return 702;
    case Diet::Diabetic:
        return 703;
    case Diet::GlutenFree:
        return 704;
    case Diet::Regular:
    case Diet::LowSodium:
        break;
    }
    return 0;
}

void addLine(QList<Line>& lines, int item, int quantity)
{
    for (const Line& l : lines) {
        if (l.item == item)
            return;
    }
    lines << Line{item, quantity};
}

class DeliveryWriter
{
public:
    DeliveryWriter(Database& db, const ClientRoster& roster, const SampleDataOptions& options)
        : roster_(roster), seed_(options.seed),
          deliveries_(db, host::deliveries(),
                      {QStringLiteral("Deliv_ID"), QStringLiteral("Deliv_Dt"),
                       QStringLiteral("Person_ID"), QStringLiteral("Client_ID"),
                       QStringLiteral("Svcs_Used"), QStringLiteral("Delivery_Status"),
                       QStringLiteral("Funding_Desc"), QStringLiteral("Funding_Source"),
                       QStringLiteral("NUMBER_MEALS"), QStringLiteral("Diet_Descr"),
                       QStringLiteral("Diet_Restr")},
                      250),
          credits_(db, host::mealCredits(),
                   {QStringLiteral("Deliv_ID"), QStringLiteral("Deliv_Dt"),
                    QStringLiteral("Item_ID"), QStringLiteral("Quantity")},
                   500)
    {
        for (const FunderRow& f : funders())
            funderNames_.insert(f.code, f.name);
        for (const ItemRow& i : items()) {
            const QString meal = i.meal.toString().trimmed();
            // milk, juice, snacks and extras are not counted as meals
            if (!meal.isEmpty() && meal != kSnack.trimmed() && meal != kOther.trimmed())
                meals_.insert(i.id);
        }
    }

    void run(const QList<QDate>& days, Progress& progress)
    {
        progress.setCaption(QStringLiteral("Writing deliveries"));
        progress.setRange(0, int(days.size()));
        // the holiday gift bag rides along on the last delivery day before Christmas
        QHash<int, QDate> giftDays;
        for (const QDate& day : days) {
            if (day.month() == 12 && day.day() >= 15 && day.day() <= 24)
                giftDays.insert(day.year(), day);
        }

        for (int dayIndex = 0; dayIndex < days.size(); ++dayIndex) {
            const QDate& day = days[dayIndex];
            const bool gifts = giftDays.value(day.year()) == day;
            const bool eveOfThanksgiving = day.addDays(1) == thanksgiving(day.year());
            for (const SampleClient& client : roster_.clients) {
                for (int p = 0; p < client.plans.size(); ++p) {
                    const MealPlan& plan = client.plans[p];
                    if (!plan.deliversOn(day))
                        continue;
                    Random random = Random::stream(seed_, kDeliveryStream, quint64(client.personId),
                                                   quint64(day.toJulianDay()) * 8 + quint64(p));
                    write(client, plan, day, dayIndex, gifts, eveOfThanksgiving, random);
                }
            }
            progress.setValue(dayIndex + 1);
        }
        deliveries_.finish();
        credits_.finish();
    }

private:
    QList<Line> hotMeal(const SampleClient& client, int dayIndex, bool gifts,
                        bool eveOfThanksgiving, Random& random) const
    {
        int main = specialDinner(client.diet);
        if (main == 0) {
            main = eveOfThanksgiving ? kHolidayDinner : kHotMenu[dayIndex % kHotMenu.size()];
            if (main == 303 && client.dietRestriction == QLatin1String("No fish"))
                main = 305;
        }
        QList<Line> lines{{main, 1}};
        const bool milk = random.chance(30);
        const bool breakfast = random.chance(12);
        const bool snack = random.chance(8);
        const bool petFood = random.chance(1.5);
        if (gifts)
            addLine(lines, kGiftBag, 1);
        if (milk)
            addLine(lines, kMilk, 1);
        if (breakfast)
            addLine(lines, kBreakfasts[dayIndex % kBreakfasts.size()], 1);
        if (snack)
            addLine(lines, kSnacks[dayIndex % kSnacks.size()], 1);
        if (petFood)
            addLine(lines, kPetFood, 1);
        return lines;
    }

    QList<Line> frozenWeek(const SampleClient& client, Random& random) const
    {
        static const QList<int> sizes = {5, 7, 7, 7, 10};
        const int total = random.pick(sizes);
        const int kinds = random.between(2, 3);
        QList<int> chosen;
        if (const int special = specialDinner(client.diet))
            chosen << special;
        while (chosen.size() < kinds) {
            const int item = random.pick(kFrozenMenu);
            if (!chosen.contains(item) &&
                !(item == 303 && client.dietRestriction == QLatin1String("No fish")))
                chosen << item;
        }
        QList<Line> lines;
        for (int i = 0; i < kinds; ++i)
            lines << Line{chosen[i], total / kinds + (i == 0 ? total % kinds : 0)};
        return lines;
    }

    QList<Line> weekendPack(int dayIndex, Random& random) const
    {
        QList<Line> lines{{kBreakfasts[dayIndex % 3], 2},
                          {kFrozenMenu[dayIndex % kFrozenMenu.size()], 2}};
        if (random.chance(40))
            addLine(lines, kBread, 1);
        return lines;
    }

    QList<Line> nutrition(const SampleClient& client, Random& random) const
    {
        QList<Line> lines{{client.personId % 2 ? 601 : 602, random.chance(50) ? 7 : 14}};
        if (random.chance(30))
            addLine(lines, kThickenedWater, 1);
        if (const int special = specialDinner(client.diet))
            addLine(lines, special, 5);
        return lines;
    }

    void write(const SampleClient& client, const MealPlan& plan, const QDate& day, int dayIndex,
               bool gifts, bool eveOfThanksgiving, Random& random)
    {
        QList<Line> lines;
        switch (plan.schedule) {
        case Schedule::Weekdays:
        case Schedule::MonWedFri:
        case Schedule::TueThu:
            lines = hotMeal(client, dayIndex, gifts, eveOfThanksgiving, random);
            break;
        case Schedule::WeeklyFrozen:
            lines = frozenWeek(client, random);
            break;
        case Schedule::WeeklyMedical:
            lines = nutrition(client, random);
            break;
        case Schedule::Fridays:
            lines = weekendPack(dayIndex, random);
            break;
        }
        if (lines.size() > kMostItemsPerDelivery)
            lines.resize(kMostItemsPerDelivery);
        int meals = 0;
        for (const Line& l : lines) {
            if (meals_.contains(l.item))
                meals += l.quantity;
        }
        // a birthday, a first week or a donated meal now and then is not charged
        const bool complimentary = random.chance(3);
        const int id = nextId_++;
        deliveries_.add({id, day, client.personId, client.clientId, plan.serviceId,
                         complimentary ? QStringLiteral("C") : QStringLiteral("D"), plan.fundCode,
                         funderNames_.value(plan.fundCode), meals, client.dietDescription,
                         client.dietRestriction});
        for (const Line& l : lines)
            credits_.add({id, day, l.item, l.quantity});
    }

    const ClientRoster& roster_;
    quint64 seed_;
    BatchInsert deliveries_;
    BatchInsert credits_;
    QHash<QString, QString> funderNames_;
    QSet<int> meals_;
    int nextId_ = kFirstDeliveryId;
};

} // namespace

QList<QDate> deliveryDays(const QDate& first, const QDate& last)
{
    QList<QDate> days;
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5 && !isHoliday(d))
            days << d;
    }
    return days;
}

void writeDeliveries(Database& db, const ClientRoster& roster, const SampleDataOptions& options,
                     Progress& progress)
{
    DeliveryWriter writer(db, roster, options);
    writer.run(deliveryDays(options.periodStart, options.periodEnd()), progress);
}

} // namespace sampledata

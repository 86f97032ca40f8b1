#include "billing/pledges.h"

#include "billing/extractiontables.h"
#include "engine/database.h"

namespace billing
{

namespace
{

QString code(const QString& text)
{
    QString trimmed = text;
    while (trimmed.endsWith(QLatin1Char(' ')))
        trimmed.chop(1);
    return trimmed;
}

struct TimePledge {
    PledgeOption option;
    const char* period;
    const char* description;
};

const TimePledge kTimePledges[] = {
    {PledgeOption::PerDay, "DY", "Days, at a Pledge per Day"},
    {PledgeOption::Monthly, "MO", "Pledge per Month"},
    {PledgeOption::Yearly, "YR", "Pledge per Year"},
};

} // namespace

std::optional<Money> pledgedAmount(Database& db, const MealLine& line)
{
    Statement s = db.prepare(QStringLiteral("SELECT 2 AS SortOrder, Amount FROM Pricing WHERE "
                                            "Person_ID = :person AND TRIM(Method) = 'P'"
                                            " AND TRIM(Unit) = :meal"
                                            " UNION ALL"
                                            " SELECT 1 AS SortOrder, Amount FROM Pricing WHERE "
                                            "Person_ID = :person AND TRIM(Method) = 'P'"
                                            " AND TRIM(Unit) = :item"
                                            " ORDER BY SortOrder"));
    s.bind(QStringLiteral("person"), line.personId);
    s.bind(QStringLiteral("meal"), code(line.meal).isEmpty()
                                       ? QVariant(QMetaType::fromType<QString>())
                                       : QVariant(code(line.meal)));
    s.bind(QStringLiteral("item"), QString::number(line.itemId));
    s.exec();
    while (s.next()) {
        if (!s.isNull(QStringLiteral("Amount")))
            return s.hostMoney(QStringLiteral("Amount"));
    }
    return std::nullopt;
}

std::optional<qint64> pledgeItemIdOf(Database& db, qint64 hostItemId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT ItemID FROM Item WHERE ItemNo = :number ORDER BY ItemID"));
    s.bind(QStringLiteral("number"), QStringLiteral("P%1").arg(hostItemId)).exec();
    if (!s.next())
        return std::nullopt;
    return s.integer(0);
}

std::optional<Money> PledgeLookups::pledgedAmount(const MealLine& line)
{
    if (!byClient_) {
        byClient_.emplace();
        Statement s = db_.query(QStringLiteral("SELECT Person_ID, Unit, Amount FROM Pricing WHERE "
                                               "TRIM(Method) = 'P' AND Person_ID IN (SELECT "
                                               "Person_ID FROM %1)")
                                    .arg(kMemDeliveries));
        s.exec();
        while (s.next())
            (*byClient_)[s.integer(0)] << Pledge{s.text(1).trimmed(), s.value(2)};
    }
    const QList<Pledge> pledges = byClient_->value(line.personId);
    // The item's own pledge before the category's, as the single-client lookup orders them;
    // empty text matches nothing, as a NULL parameter does not.
    const QString item = QString::number(line.itemId);
    const QString meal = code(line.meal);
    for (const QString& unit : {item, meal}) {
        if (unit.isEmpty())
            continue;
        for (const Pledge& pledge : pledges)
            if (pledge.unit == unit && !pledge.amount.isNull())
                return Money::fromHost(pledge.amount);
    }
    return std::nullopt;
}

std::optional<qint64> PledgeLookups::pledgeItemIdOf(qint64 hostItemId)
{
    auto found = pledgeItems_.constFind(hostItemId);
    if (found == pledgeItems_.constEnd())
        found = pledgeItems_.insert(hostItemId, billing::pledgeItemIdOf(db_, hostItemId));
    return *found;
}

std::optional<PledgeLine> pledgeForMealLine(Database& db, const MealLine& line,
                                            BillingChoice billing, PledgeOption option,
                                            const ClientPledge& pledge, int deliveryDates,
                                            TimePledges& timePledges, PledgeLookups* lookups)
{
    if (billing == BillingChoice::MealsOnly)
        return std::nullopt;
    PledgeLine result;
    Money charge;
    const QString method = code(pledge.method);
    if (option == PledgeOption::PerItem) {
        if (method != QLatin1String("I"))
            return std::nullopt;
        charge =
            (lookups ? lookups->pledgedAmount(line) : pledgedAmount(db, line)).value_or(Money());
        result.description = QStringLiteral("Pledge per item: ") + line.mealItem;
        result.quantity = line.quantity;
    } else {
        if (method != QLatin1String("T") || timePledges.written(line.personId))
            return std::nullopt;
        for (const TimePledge& time : kTimePledges) {
            if (time.option == option && code(pledge.period) == QLatin1String(time.period)) {
                charge = pledge.amount.value_or(Money());
                result.description = QString::fromLatin1(time.description);
            }
        }
        result.quantity = option == PledgeOption::PerDay ? deliveryDates : 1;
    }
    if (charge <= Money())
        return std::nullopt;
    const auto pledgeItem =
        lookups ? lookups->pledgeItemIdOf(line.itemId) : pledgeItemIdOf(db, line.itemId);
    if (!pledgeItem)
        throw std::runtime_error(QStringLiteral("The pledge item P%1 does not exist. Synchronize "
                                                "the items, then generate the invoices again.")
                                     .arg(line.itemId)
                                     .toStdString());
    result.unitPrice = charge;
    result.arItemId = *pledgeItem;
    if (option != PledgeOption::PerItem)
        timePledges.markWritten(line.personId);
    return result;
}

} // namespace billing

#include "billing/extractionfilter.h"

#include <QStringList>

namespace billing
{

QString ItemFilter::sqlCondition() const
{
    return condition(mode != ItemFilterMode::Exclude);
}

QString ItemFilter::sqlOppositeCondition() const
{
    return condition(mode == ItemFilterMode::Exclude);
}

QString ItemFilter::condition(bool takeChosen) const
{
    if (!filters())
        return {};
    QStringList terms;
    for (qint64 id : itemIds)
        terms << QStringLiteral(" (MealCrdt.Item_ID = %1)").arg(id);
    return (takeChosen ? QStringLiteral(" and ( ") : QStringLiteral(" and not ( ")) +
           terms.join(QStringLiteral(" or ")) + QStringLiteral(" ) ");
}

} // namespace billing

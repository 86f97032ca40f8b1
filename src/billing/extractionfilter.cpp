#include "billing/extractionfilter.h"

#include <QStringList>

namespace billing
{

QString ItemFilter::sqlCondition() const
{
    if (!filters())
        return {};
    QStringList terms;
    for (qint64 id : itemIds)
        terms << QStringLiteral(" (MealCrdt.Item_ID = %1)").arg(id);
    return (mode == ItemFilterMode::Exclude ? QStringLiteral(" and not ( ")
                                            : QStringLiteral(" and ( ")) +
           terms.join(QStringLiteral(" or ")) + QStringLiteral(" ) ");
}

} // namespace billing

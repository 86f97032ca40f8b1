#include "billing/extractionfilter.h"

#include "billing/mealtree.h"

namespace billing
{

ItemFilter ItemFilter::fromCheckedNodes(ItemFilterMode mode, const QStringList& checkedNodeTexts)
{
    ItemFilter filter;
    filter.mode = mode;
    for (const QString& text : checkedNodeTexts) {
        if (const std::optional<qint64> id = itemIdOfNode(text))
            filter.itemIds << *id;
    }
    return filter;
}

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

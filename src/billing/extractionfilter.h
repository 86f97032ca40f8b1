#pragma once
// Which delivered meal items a run takes: all of them, only the checked ones, or all but the
// checked ones. The screen's three choices and its checked tree nodes become an ItemFilter; the
// extraction adds its condition to the statement that reads the period's meal credits.

#include <QList>
#include <QString>
#include <QStringList>

namespace billing
{

enum class ItemFilterMode {
    All,         // "Include all delivered items" (also when none of the three is chosen)
    IncludeOnly, // "Include only this/these item(s)"
    Exclude,     // "Exclude this/these item(s)"
};

struct ItemFilter {
    ItemFilterMode mode = ItemFilterMode::All;
    QList<qint64> itemIds; // in tree order; with none, every item is taken whatever the mode

    // From the texts of the checked nodes in tree order; category nodes are passed over, so
    // checking a category alone filters nothing.
    static ItemFilter fromCheckedNodes(ItemFilterMode mode, const QStringList& checkedNodeTexts);

    bool filters() const { return mode != ItemFilterMode::All && !itemIds.isEmpty(); }
    // The condition on MealCrdt.Item_ID that follows the period's date bounds, starting with
    // " and "; empty when nothing is filtered.
    QString sqlCondition() const;
};

} // namespace billing

#pragma once
// Which delivered meal items a run takes: all of them, only the chosen ones, or all but the
// chosen ones. The screen's three choices and the items checked in its tree (or the command
// line's --include and --exclude) become an ItemFilter; the extraction adds its condition to the
// statement that reads the period's meal credits.

#include <QList>
#include <QString>

namespace billing
{

enum class ItemFilterMode {
    All,         // "Include all delivered items" (also when none of the three is chosen)
    IncludeOnly, // "Include only this/these item(s)"
    Exclude,     // "Exclude this/these item(s)"
};

struct ItemFilter {
    ItemFilterMode mode = ItemFilterMode::All;
    QList<qint64> itemIds; // the host's Item_IDs; with none, every item is taken whatever the mode

    bool filters() const { return mode != ItemFilterMode::All && !itemIds.isEmpty(); }
    // The condition on MealCrdt.Item_ID that follows the period's date bounds, starting with
    // " and "; empty when nothing is filtered.
    QString sqlCondition() const;
    // The condition that takes exactly the items sqlCondition leaves out; empty when nothing is
    // filtered.
    QString sqlOppositeCondition() const;

private:
    QString condition(bool takeChosen) const;
};

} // namespace billing

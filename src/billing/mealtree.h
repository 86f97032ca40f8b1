#pragma once
// The meal-item tree of the Generate Invoices screen as plain data: eight meal categories, each
// with the host's meal items of that kind in ascending name order. The screen shows the texts
// with check boxes and keeps each item's number with its node; the numbers of the checked items
// become the run's item filter (extractionfilter.h).

#include <QList>
#include <QString>

class Database;

namespace billing
{

struct MealTreeItem {
    qint64 itemId = 0;
    QString text; // "Meal_Item     [Item_ID]"
};

struct MealTreeCategory {
    QString meal; // the host's Items.Meal code without trailing blanks; empty: uncategorized
    QString text; // "Breakfasts     [B ]", ..., "Uncategorized           []"
    QList<MealTreeItem> items;
};

// The eight categories in the order the screen shows them, each with its items. Meal codes are
// compared with trailing blanks ignored ("B" and "B " are both breakfasts); an item with an
// empty or missing code is uncategorized, an item with any other code is not shown. Items are in
// ascending Meal_Item order, character by character as the codes are stored (so both engines
// agree whatever their collation), equal names by item number.
QList<MealTreeCategory> loadMealTree(Database& db);

// The text of an item node: the name, five blanks and the number in brackets.
QString mealItemNodeText(const QString& mealItem, qint64 itemId);

} // namespace billing

#pragma once
// The meal-item tree of the Generate Invoices screen as plain data: eight meal categories, each
// with the host's meal items of that kind in ascending name order, and the reading of an item
// number back out of a node's text. The screen shows these texts with check boxes; the run
// turns the checked item nodes into its item filter (extractionfilter.h).

#include <QList>
#include <QString>
#include <optional>

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

// The identifier in a node's text: everything between the last "[" and the "]" after it (or the
// end of the text), trimmed; when it holds a "~", only the part before it. Category nodes give
// their meal code ("B", "MF", "" for uncategorized); item nodes give the whole item number, so
// "Soup     [12345]" reads 12345, never 1234. Empty when the text has no "[".
QString ExtractIDFromString(const QString& nodeText);

// The item number a node stands for: its identifier when that is a whole number starting with
// a digit, otherwise (a category node) nothing.
std::optional<qint64> itemIdOfNode(const QString& nodeText);

} // namespace billing

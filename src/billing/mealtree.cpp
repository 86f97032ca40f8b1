#include "billing/mealtree.h"

#include "engine/database.h"

#include <QHash>
#include <algorithm>

namespace billing
{

namespace
{

struct Category {
    const char* meal;
    const char* text;
};

// Top to bottom as the screen lists them; the uncategorized node comes last.
constexpr Category kCategories[] = {
    {"B", "Breakfasts     [B ]"},
    {"L", "Lunches     [L ]"},
    {"D", "Dinners     [D ]"},
    {"S", "Snacks     [S ]"},
    {"O", "Other Meals     [O ]"},
    {"MF", "Medical Food     [MF]"},
    {"SM", "Specialized Medical Food     [SM]"},
    {"", "Uncategorized           []"},
};

struct HostItem {
    QString name;
    qint64 id = 0;
};

} // namespace

QList<MealTreeCategory> loadMealTree(Database& db)
{
    QList<MealTreeCategory> tree;
    for (const Category& c : kCategories)
        tree << MealTreeCategory{QString::fromLatin1(c.meal), QString::fromLatin1(c.text), {}};

    QHash<QString, QList<HostItem>> byMeal;
    Statement s = db.prepare(
        QStringLiteral("SELECT Meal_Item, Item_ID, COALESCE(RTRIM(Meal), '') AS Meal FROM Items"));
    s.exec();
    while (s.next())
        byMeal[s.text(2)] << HostItem{s.text(0), s.integer(1)};

    for (MealTreeCategory& category : tree) {
        QList<HostItem> items = byMeal.value(category.meal);
        std::sort(items.begin(), items.end(), [](const HostItem& a, const HostItem& b) {
            const int byName = QString::compare(a.name, b.name, Qt::CaseSensitive);
            return byName != 0 ? byName < 0 : a.id < b.id;
        });
        for (const HostItem& item : items)
            category.items << MealTreeItem{item.id, mealItemNodeText(item.name, item.id)};
    }
    return tree;
}

QString mealItemNodeText(const QString& mealItem, qint64 itemId)
{
    return mealItem + QStringLiteral("     [") + QString::number(itemId) + QLatin1Char(']');
}

} // namespace billing

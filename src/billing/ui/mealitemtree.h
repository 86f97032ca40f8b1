#pragma once
// The meal-item tree of the Generate Invoices screen: the eight meal categories with the host's
// meal items under them, each node with a check box. Checking a category checks its items;
// a category with some of its items checked shows as partly checked.

#include <QStringList>
#include <QTreeWidget>

class Database;

class MealItemTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit MealItemTree(QWidget* parent = nullptr);

    // Clears the tree and builds it anew from the host's items, nothing checked.
    void rebuild(Database& db);
    // The texts of the fully checked nodes, categories and items, from top to bottom.
    QStringList checkedNodeTexts() const;
};

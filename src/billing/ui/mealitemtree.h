#pragma once
// The meal-item tree of the Generate Invoices screen: the eight meal categories with the host's
// meal items under them, each node with a check box. Checking a category checks its items;
// a category with some of its items checked shows as partly checked. Each item node keeps its
// host item number, so the run is given numbers, not texts read back.

#include <QList>
#include <QTreeWidget>

class Database;

class MealItemTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit MealItemTree(QWidget* parent = nullptr);

    // Clears the tree and builds it anew from the host's items, nothing checked.
    void rebuild(Database& db);
    // The item numbers of the checked item nodes, from top to bottom.
    QList<qint64> checkedItemIds() const;
};

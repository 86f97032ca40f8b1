#include "billing/ui/mealitemtree.h"

#include "billing/mealtree.h"

#include <QHeaderView>

MealItemTree::MealItemTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    // Long meal names scroll sideways rather than losing their item numbers.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
}

void MealItemTree::rebuild(Database& db)
{
    clear();
    const QList<billing::MealTreeCategory> categories = billing::loadMealTree(db);
    for (const billing::MealTreeCategory& category : categories) {
        auto* node = new QTreeWidgetItem(this, {category.text});
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       Qt::ItemIsAutoTristate);
        node->setCheckState(0, Qt::Unchecked);
        for (const billing::MealTreeItem& item : category.items) {
            auto* child = new QTreeWidgetItem(node, {item.text});
            child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                            Qt::ItemNeverHasChildren);
            child->setCheckState(0, Qt::Unchecked);
        }
    }
    expandAll();
}

QStringList MealItemTree::checkedNodeTexts() const
{
    QStringList texts;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* category = topLevelItem(i);
        if (category->checkState(0) == Qt::Checked)
            texts << category->text(0);
        for (int j = 0; j < category->childCount(); ++j) {
            const QTreeWidgetItem* item = category->child(j);
            if (item->checkState(0) == Qt::Checked)
                texts << item->text(0);
        }
    }
    return texts;
}

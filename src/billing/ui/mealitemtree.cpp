#include "billing/ui/mealitemtree.h"

#include "billing/mealtree.h"

#include <QHeaderView>
#include <optional>

namespace
{
// Where an item node keeps its host item number.
constexpr int kItemIdRole = Qt::UserRole;

// The host item number an item node stands for; none for a category node.
std::optional<qint64> itemIdOf(const QTreeWidgetItem* node)
{
    const QVariant id = node->data(0, kItemIdRole);
    return id.isValid() ? std::optional<qint64>(id.toLongLong()) : std::nullopt;
}
} // namespace

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
            child->setData(0, kItemIdRole, item.itemId);
        }
    }
    expandAll();
}

QList<qint64> MealItemTree::checkedItemIds() const
{
    QList<qint64> ids;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* category = topLevelItem(i);
        for (int j = 0; j < category->childCount(); ++j) {
            const QTreeWidgetItem* item = category->child(j);
            if (item->checkState(0) == Qt::Checked)
                if (const std::optional<qint64> id = itemIdOf(item))
                    ids << *id;
        }
    }
    return ids;
}

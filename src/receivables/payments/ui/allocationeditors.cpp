#include "receivables/payments/ui/allocationeditors.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

ColumnsComboBox::ColumnsComboBox(QWidget* parent)
    : QComboBox(parent), rows_(new QStandardItemModel(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(rows_);
    auto* view = new QTableView(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setShowGrid(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->hide();
    setView(view);
}

void ColumnsComboBox::addRow(const QStringList& columns, const QVariant& key)
{
    QList<QStandardItem*> row;
    for (const QString& text : columns) {
        auto* item = new QStandardItem(text);
        item->setData(key, Qt::UserRole);
        row << item;
    }
    rows_->appendRow(row);
}

void ColumnsComboBox::finishRows()
{
    auto* table = static_cast<QTableView*>(view());
    table->resizeColumnsToContents();
    int width = 24;
    for (int column = 0; column < rows_->columnCount(); ++column)
        width += table->columnWidth(column);
    table->setMinimumWidth(width);
}

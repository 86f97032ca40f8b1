#include "receivables/listing/ui/registerwindowparts.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

QTableView* makeRegisterGrid(QWidget* window, const char* objectName, QAbstractItemModel* model)
{
    auto* grid = new QTableView(window);
    grid->setObjectName(QLatin1String(objectName));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setMinimumSectionSize(48);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    return grid;
}

QAction* windowAction(QWidget* window, const char* objectName, const QString& text,
                      const QKeySequence& keys)
{
    auto* a = new QAction(text, window);
    a->setObjectName(QLatin1String(objectName));
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    window->addAction(a);
    return a;
}

void layOutRegister(QWidget* window, QMenuBar* menus, QToolBar* tools, QTableView* grid,
                    QLabel* status)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(grid);
    layout->addWidget(status);
    status->setContentsMargins(8, 4, 8, 4);
}

bool moveToRow(QTableView* grid, int row)
{
    if (row < 0)
        return false;
    grid->setCurrentIndex(grid->model()->index(row, 0));
    grid->scrollTo(grid->model()->index(row, 0));
    return true;
}

void settleRegisterGrid(QTableView* grid, int rowNow, int rowBefore, int stretchColumn)
{
    const QAbstractItemModel* model = grid->model();
    if (!moveToRow(grid, rowNow) && model->rowCount() > 0)
        grid->setCurrentIndex(model->index(std::clamp(rowBefore, 0, model->rowCount() - 1), 0));
    grid->resizeColumnsToContents();
    QHeaderView* header = grid->horizontalHeader();
    for (int column = 0; column < model->columnCount(); ++column)
        header->resizeSection(column, header->sectionSize(column) + 12);
    header->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
}

#pragma once
// What a register's grid shows in one column, top to bottom.

#include <QAbstractItemModel>
#include <QStringList>
#include <QTableView>

inline QStringList columnTexts(const QTableView* grid, int column)
{
    QStringList texts;
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

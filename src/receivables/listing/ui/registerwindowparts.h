#pragma once
// The parts both registers' windows are built from: the read-only grid, the window's actions,
// its layout, and keeping the bookkeeper's place when the list is read again.

#include <QKeySequence>

class QAbstractItemModel;
class QAction;
class QLabel;
class QMenuBar;
class QString;
class QTableView;
class QToolBar;
class QWidget;

// A grid of whole rows, one current at a time, never edited in place; its actions are its
// context menu.
QTableView* makeRegisterGrid(QWidget* window, const char* objectName, QAbstractItemModel* model);

// An action of the window, its shortcut working anywhere in the window.
QAction* windowAction(QWidget* window, const char* objectName, const QString& text,
                      const QKeySequence& keys = {});

// Menus, tool bar, grid and the status line below it.
void layOutRegister(QWidget* window, QMenuBar* menus, QToolBar* tools, QTableView* grid,
                    QLabel* status);

// Makes `row` current and shows it; false when the list does not show the document (-1).
bool moveToRow(QTableView* grid, int row);

// After the list is read again: the document that was current stays current (`rowNow`, -1 when
// it is gone, and then the row at the same place, or the last); the columns fit their contents
// with a little air, and `stretchColumn` takes what is left.
void settleRegisterGrid(QTableView* grid, int rowNow, int rowBefore, int stretchColumn);

#pragma once
// The invoice's line grid: the keys of every document's line grid, and the item search. Ctrl+Enter
// opens it; entering the Item column (Tab, arrow keys, a click) opens it too, and the current
// line's Item cell carries an ellipsis button that does.

#include "common/ui/linegrid.h"

class InvoiceGrid : public LineGrid
{
    Q_OBJECT
public:
    explicit InvoiceGrid(QWidget* parent = nullptr);
    // Where the ellipsis button of the Item cell of a row is drawn, in viewport coordinates.
    QRect ellipsisRect(int row) const;

    QAction* actionItemSearch;

Q_SIGNALS:
    void itemSearchRequested();

public Q_SLOTS:
    // Opens the item search once the event at hand is over (a click, a key, a cursor move).
    void requestItemSearch();

protected:
    QWidget* createCellEditor(QWidget* parent, const QModelIndex& index) override;
    void paintCellExtras(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const override;
    bool cellClicked(const QStyleOptionViewItem& option, const QModelIndex& index, const QPoint& at,
                     bool released) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveByKey(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Moves made by the user (as opposed to the window placing the cursor) open the item search
    // when they enter the Item column.
    class UserMove;
    bool showsEllipsis(const QModelIndex& index) const;
    int userMoves_ = 0;
    bool searchQueued_ = false;
};

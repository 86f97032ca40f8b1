#pragma once
// The invoice's line grid and its keyboard: Enter moves to the next column and from the last
// to the next line, Page Down and Ctrl+Insert append a line, Ctrl+Delete deletes one, Ctrl+Enter
// opens the item search, Esc undoes the line being added or changed; a popup menu offers the
// same. Entering the Item column (Tab, arrow keys, a click) opens the item search too, and the
// current line's Item cell carries an ellipsis button that does.

#include <QPointer>
#include <QTableView>

class QMenu;

class InvoiceGrid : public QTableView
{
    Q_OBJECT
public:
    explicit InvoiceGrid(QWidget* parent = nullptr);
    // Posted invoices: no popup menu and no keys that change lines.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }
    // Where the ellipsis button of the Item cell of a row is drawn, in viewport coordinates.
    QRect ellipsisRect(int row) const;
    // Closes the cell editor without taking what was typed into it (the item search answers
    // for the cell instead).
    void discardEditor();
    // Whether a cell's editor is open.
    bool isEditingCell() const { return state() == EditingState; }

    QAction* actionNew;
    QAction* actionDelete;
    QAction* actionItemSearch;

Q_SIGNALS:
    void appendRequested();
    void deleteRequested();
    void itemSearchRequested();
    // Esc, in a cell or its editor.
    void cancelLineRequested();
    // Enter in a cell (after its edit was taken).
    void advanceRequested();
    // The cursor left a row for another one.
    void rowLeft(int fromRow, int toRow);
    // A key that would change a line of a posted invoice.
    void lockedChangeAttempted();

public Q_SLOTS:
    // A value typed into a cell was refused (the message was shown): the cursor stays in the
    // cell with its editor open.
    void valueRefused(const QModelIndex& index);
    // Opens the item search once the event at hand is over (a click, a key, a cursor move).
    void requestItemSearch();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class LineCellDelegate;
    // Moves made by the user (as opposed to the window placing the cursor) open the item search
    // when they enter the Item column.
    class UserMove;
    QMenu* popup_;
    bool locked_ = false;
    int userMoves_ = 0;
    bool searchQueued_ = false;
    bool committing_ = false;
    bool refused_ = false;
    QPointer<QWidget> editor_;
};

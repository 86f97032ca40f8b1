#pragma once
// The line grid of a document window and its keyboard: Enter moves on (the window decides
// where), Page Down and Ctrl+Insert append a line, Ctrl+Delete deletes one, Esc undoes the line
// being added or changed, and Down on the last line appends one when the window asks for it. A
// value typed into a cell that the document refuses keeps the cell's editor open on it. On a
// locked (posted) document every key that would change a line is reported instead.

#include <QPointer>
#include <QTableView>
#include <initializer_list>

class QMenu;

class LineGrid : public QTableView
{
    Q_OBJECT
public:
    explicit LineGrid(QWidget* parent = nullptr);
    // Posted documents: no popup menu and no keys that change lines.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }
    // Down on the last line appends a line.
    void setDownAppends(bool on) { downAppends_ = on; }
    // Closes the cell editor without taking what was typed into it.
    void discardEditor();
    // Takes what is typed into the open cell editor and closes it, the cursor staying in its
    // cell; false when the document refused it (the editor stays open on it).
    bool takeEditor();
    // Whether a cell's editor is open.
    bool isEditingCell() const { return state() == EditingState; }
    QMenu* popup() const { return popup_; }
    // Shows a document's lines: the columns at the given widths, the last one filling the rest.
    void showLines(QAbstractItemModel* lines, std::initializer_list<int> widths);
    // Puts the cursor on `column` of the line being changed (`editingRow`, -1: none), else of the
    // current line: where a refusal of that column points.
    void focusCell(int editingRow, int column);
    // The cursor on `column` of `row`, or of the last line when there are fewer now (a dropped
    // line); nowhere when no line is left.
    void keepCursorNear(int row, int column);

    QAction* actionNew;
    QAction* actionDelete;

Q_SIGNALS:
    void appendRequested();
    void deleteRequested();
    // Esc, in a cell or its editor.
    void cancelLineRequested();
    // Enter in a cell (after its edit was taken).
    void advanceRequested();
    // The cursor left a row for another one.
    void rowLeft(int fromRow, int toRow);
    // A key that would change a line of a posted document.
    void lockedChangeAttempted();

public Q_SLOTS:
    // A value typed into a cell was refused (the message was shown): the cursor stays in the
    // cell with its editor open.
    void valueRefused(const QModelIndex& index);

protected:
    // The editor of a cell; nullptr gives the ordinary one.
    virtual QWidget* createCellEditor(QWidget* parent, const QModelIndex& index);
    // Draws what a cell shows beside its value (a button); nothing by default.
    virtual void paintCellExtras(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const;
    // A click inside a cell that the cell itself answers (its button); false by default.
    virtual bool cellClicked(const QStyleOptionViewItem& option, const QModelIndex& index,
                             const QPoint& at, bool released);
    // Any other key: moves the cursor or opens the cell's editor.
    virtual void moveByKey(QKeyEvent* event);
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class LineCellDelegate;
    QMenu* popup_;
    bool locked_ = false;
    bool downAppends_ = false;
    bool committing_ = false;
    bool refused_ = false;
    QPointer<QWidget> editor_;
};

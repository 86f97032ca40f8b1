#pragma once
// The invoice's line grid and its keyboard: Enter moves to the next column and from the last
// to the next line, Page Down and Ctrl+Insert append a line, Ctrl+Delete deletes one, Ctrl+Enter
// opens the item search; a popup menu offers the same.

#include <QTableView>

class QMenu;

class InvoiceGrid : public QTableView
{
    Q_OBJECT
public:
    explicit InvoiceGrid(QWidget* parent = nullptr);
    // Posted invoices: no popup menu and no keys that change lines.
    void setLocked(bool locked);

    QAction* actionNew;
    QAction* actionDelete;
    QAction* actionItemSearch;

Q_SIGNALS:
    void appendRequested();
    void deleteRequested();
    void itemSearchRequested();
    // Enter in a cell (after its edit was taken).
    void advanceRequested();
    // The cursor left a row for another one.
    void rowLeft(int fromRow, int toRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QMenu* popup_;
    bool locked_ = false;
};

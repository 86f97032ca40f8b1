#include "receivables/invoices/ui/invoicegrid.h"

#include "receivables/invoices/ui/invoicelinecolumns.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyledItemDelegate>

namespace
{

// Enter in a cell editor takes the value and then moves on, as Enter does outside an editor.
class EnterAdvancesDelegate final : public QStyledItemDelegate
{
public:
    explicit EnterAdvancesDelegate(InvoiceGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                auto* editor = static_cast<QWidget*>(object);
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                Q_EMIT grid_->advanceRequested();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    InvoiceGrid* grid_;
};

} // namespace

InvoiceGrid::InvoiceGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("grdLines"));
    setItemDelegate(new EnterAdvancesDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    popup_ = new QMenu(this);
    actionNew = popup_->addAction(QStringLiteral("New"), this, &InvoiceGrid::appendRequested);
    actionNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    actionDelete = popup_->addAction(QStringLiteral("Delete"), this, &InvoiceGrid::deleteRequested);
    actionDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    popup_->addSeparator();
    actionItemSearch = popup_->addAction(QStringLiteral("Item Search..."), this,
                                         &InvoiceGrid::itemSearchRequested);
    actionItemSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
}

void InvoiceGrid::setLocked(bool locked)
{
    locked_ = locked;
    popup_->setEnabled(!locked);
}

void InvoiceGrid::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (!locked_) {
        if (ctrl && key == Qt::Key_Insert) {
            Q_EMIT appendRequested();
            return;
        }
        if (ctrl && key == Qt::Key_Delete) {
            Q_EMIT deleteRequested();
            return;
        }
        if (ctrl && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            Q_EMIT itemSearchRequested();
            return;
        }
        if (key == Qt::Key_PageDown) {
            Q_EMIT appendRequested();
            return;
        }
    }
    if (!ctrl && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        Q_EMIT advanceRequested();
        return;
    }
    QTableView::keyPressEvent(event);
}

void InvoiceGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (previous.isValid() && current.isValid() && previous.row() != current.row())
        Q_EMIT rowLeft(previous.row(), current.row());
}

void InvoiceGrid::contextMenuEvent(QContextMenuEvent* event)
{
    if (!locked_)
        popup_->exec(event->globalPos());
}

void InvoiceGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!locked_ && cell.isValid() && static_cast<LineColumn>(cell.column()) == LineColumn::Item) {
        setCurrentIndex(cell);
        Q_EMIT itemSearchRequested();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

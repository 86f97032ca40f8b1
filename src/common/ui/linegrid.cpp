#include "common/ui/linegrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>
#include <algorithm>

// Every cell of the grid: Enter in an editor takes the value and moves on as Enter does outside
// an editor, Tab takes it and moves to the next cell, Esc drops the editor and undoes the line.
class LineCellDelegate final : public QStyledItemDelegate
{
public:
    explicit LineCellDelegate(LineGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = grid_->createCellEditor(parent, index);
        if (!editor)
            editor = QStyledItemDelegate::createEditor(parent, option, index);
        grid_->editor_ = editor;
        return editor;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        grid_->paintCellExtras(painter, option, index);
    }

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (grid_->cellClicked(option, index, mouse->position().toPoint(),
                                   event->type() == QEvent::MouseButtonRelease))
                return true;
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = static_cast<QWidget*>(object);
        if (event->type() == QEvent::FocusOut) {
            // A refusal's message box takes the focus while the value is being taken: that is
            // no reason to take it once more.
            if (grid_->committing_)
                return false;
            grid_->committing_ = true;
            const bool handled = QStyledItemDelegate::eventFilter(object, event);
            grid_->committing_ = false;
            return handled;
        }
        if (event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (takeValue(editor)) {
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                Q_EMIT grid_->advanceRequested();
            }
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (takeValue(editor))
                Q_EMIT closeEditor(editor, back ? QAbstractItemDelegate::EditPreviousItem
                                                : QAbstractItemDelegate::EditNextItem);
            return true;
        }
        case Qt::Key_Escape:
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            Q_EMIT grid_->cancelLineRequested();
            return true;
        default:
            break;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    // Hands the typed value to the line; a refused one leaves the editor open on what was typed,
    // for the user to correct it or press Esc.
    bool takeValue(QWidget* editor)
    {
        grid_->committing_ = true;
        grid_->refused_ = false;
        Q_EMIT commitData(editor);
        grid_->committing_ = false;
        if (!grid_->refused_)
            return true;
        editor->setFocus();
        if (auto* text = qobject_cast<QLineEdit*>(editor))
            text->selectAll();
        return false;
    }

    LineGrid* grid_;
};

LineGrid::LineGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("grdLines"));
    setItemDelegate(new LineCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    popup_ = new QMenu(this);
    actionNew = popup_->addAction(QStringLiteral("New"), this, &LineGrid::appendRequested);
    actionNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    actionDelete = popup_->addAction(QStringLiteral("Delete"), this, &LineGrid::deleteRequested);
    actionDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
}

void LineGrid::setLocked(bool locked)
{
    locked_ = locked;
    popup_->setEnabled(!locked);
    viewport()->update();
}

void LineGrid::discardEditor()
{
    if (editor_ && state() == EditingState)
        QTableView::closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

bool LineGrid::takeEditor()
{
    if (!editor_ || state() != EditingState)
        return true;
    committing_ = true;
    refused_ = false;
    commitData(editor_);
    committing_ = false;
    if (refused_) {
        editor_->setFocus();
        return false;
    }
    QTableView::closeEditor(editor_, QAbstractItemDelegate::NoHint);
    return true;
}

QWidget* LineGrid::createCellEditor(QWidget*, const QModelIndex&)
{
    return nullptr;
}

void LineGrid::paintCellExtras(QPainter*, const QStyleOptionViewItem&, const QModelIndex&) const {}

bool LineGrid::cellClicked(const QStyleOptionViewItem&, const QModelIndex&, const QPoint&, bool)
{
    return false;
}

void LineGrid::valueRefused(const QModelIndex& index)
{
    if (committing_) {
        refused_ = true; // the editor stays open
        return;
    }
    // The editor was closed by leaving it: it opens again on the refused cell.
    const QPersistentModelIndex cell(index);
    QMetaObject::invokeMethod(
        this,
        [this, cell] {
            if (!cell.isValid())
                return;
            setCurrentIndex(cell);
            edit(cell);
        },
        Qt::QueuedConnection);
}

void LineGrid::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (locked_) {
        const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool changing = (ctrl && (key == Qt::Key_Insert || key == Qt::Key_Delete)) ||
                              key == Qt::Key_PageDown || key == Qt::Key_Delete ||
                              key == Qt::Key_Backspace || key == Qt::Key_F2;
        if (typing || changing) {
            Q_EMIT lockedChangeAttempted();
            return;
        }
    } else {
        if (ctrl && key == Qt::Key_Insert) {
            Q_EMIT appendRequested();
            return;
        }
        if (ctrl && key == Qt::Key_Delete) {
            Q_EMIT deleteRequested();
            return;
        }
        if (key == Qt::Key_PageDown) {
            Q_EMIT appendRequested();
            return;
        }
        if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            Q_EMIT cancelLineRequested();
            return;
        }
        if (downAppends_ && key == Qt::Key_Down && event->modifiers() == Qt::NoModifier &&
            model() && currentIndex().row() == model()->rowCount() - 1) {
            Q_EMIT appendRequested();
            return;
        }
    }
    if (!ctrl && enter) {
        Q_EMIT advanceRequested();
        return;
    }
    moveByKey(event);
}

void LineGrid::moveByKey(QKeyEvent* event)
{
    QTableView::keyPressEvent(event);
}

void LineGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (previous.isValid() && current.isValid() && previous.row() != current.row())
        Q_EMIT rowLeft(previous.row(), current.row());
}

void LineGrid::contextMenuEvent(QContextMenuEvent* event)
{
    if (!locked_)
        popup_->exec(event->globalPos());
}

void LineGrid::focusCell(int editingRow, int column)
{
    const int row = editingRow >= 0 ? editingRow : std::max(0, currentIndex().row());
    setFocus();
    if (model() && row < model()->rowCount())
        setCurrentIndex(model()->index(row, column));
}

void LineGrid::keepCursorNear(int row, int column)
{
    const int rows = model() ? model()->rowCount() : 0;
    if (rows > 0)
        setCurrentIndex(model()->index(std::min(row, rows - 1), column));
}

void LineGrid::showLines(QAbstractItemModel* lines, std::initializer_list<int> widths)
{
    setModel(lines);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    int column = 0;
    for (const int width : widths)
        setColumnWidth(column++, width);
    horizontalHeader()->setStretchLastSection(true);
}

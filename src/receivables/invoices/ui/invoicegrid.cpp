#include "receivables/invoices/ui/invoicegrid.h"

#include "receivables/invoices/ui/invoicelinecolumns.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace
{

constexpr int kEllipsisWidth = 22;

bool isItemColumn(const QModelIndex& index)
{
    return index.isValid() && static_cast<LineColumn>(index.column()) == LineColumn::Item;
}

QRect ellipsisIn(const QRect& cell)
{
    const int width = std::min(kEllipsisWidth, cell.width() / 2);
    return QRect(cell.right() - width + 1, cell.top(), width, cell.height());
}

// The item number being typed, with the ellipsis button that opens the item search.
class ItemNoEditor final : public QLineEdit
{
public:
    explicit ItemNoEditor(QWidget* parent) : QLineEdit(parent)
    {
        setFrame(false);
        button = new QToolButton(this);
        button->setObjectName(QStringLiteral("btnItemSearch"));
        button->setText(QStringLiteral("..."));
        button->setToolTip(QStringLiteral("Item search (Ctrl+Enter)"));
        button->setCursor(Qt::ArrowCursor);
        button->setFocusPolicy(Qt::NoFocus);
        setTextMargins(0, 0, kEllipsisWidth, 0);
    }

    QToolButton* button;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLineEdit::resizeEvent(event);
        button->setGeometry(ellipsisIn(rect()));
    }
};

} // namespace

// Every cell of the grid: Enter in an editor takes the value and moves on as Enter does outside
// an editor, Esc drops the editor and undoes the line; the Item cell of the current line shows
// the ellipsis button, and its editor carries one.
class LineCellDelegate final : public QStyledItemDelegate
{
public:
    explicit LineCellDelegate(InvoiceGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = nullptr;
        if (isItemColumn(index)) {
            auto* itemNo = new ItemNoEditor(parent);
            connect(itemNo->button, &QToolButton::clicked, grid_, &InvoiceGrid::requestItemSearch);
            editor = itemNo;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
        }
        grid_->editor_ = editor;
        return editor;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!showsEllipsis(index))
            return;
        QStyleOptionButton button;
        button.rect = ellipsisIn(option.rect).adjusted(1, 1, -1, -1);
        button.text = QStringLiteral("...");
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        button.palette = option.palette;
        button.fontMetrics = option.fontMetrics;
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
    }

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        if (showsEllipsis(index) && (event->type() == QEvent::MouseButtonPress ||
                                     event->type() == QEvent::MouseButtonRelease)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (ellipsisIn(option.rect).contains(mouse->position().toPoint())) {
                if (event->type() == QEvent::MouseButtonRelease)
                    grid_->requestItemSearch();
                return true;
            }
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

    bool showsEllipsis(const QModelIndex& index) const
    {
        return isItemColumn(index) && !grid_->isLocked() &&
               index.row() == grid_->currentIndex().row();
    }

    InvoiceGrid* grid_;
};

class InvoiceGrid::UserMove
{
public:
    explicit UserMove(InvoiceGrid* grid) : grid_(grid) { ++grid_->userMoves_; }
    ~UserMove() { --grid_->userMoves_; }
    UserMove(const UserMove&) = delete;
    UserMove& operator=(const UserMove&) = delete;

private:
    InvoiceGrid* grid_;
};

InvoiceGrid::InvoiceGrid(QWidget* parent) : QTableView(parent)
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
    viewport()->update();
}

QRect InvoiceGrid::ellipsisRect(int row) const
{
    return model() ? ellipsisIn(visualRect(model()->index(row, int(LineColumn::Item)))) : QRect();
}

void InvoiceGrid::discardEditor()
{
    if (editor_ && state() == EditingState)
        QTableView::closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

void InvoiceGrid::valueRefused(const QModelIndex& index)
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

void InvoiceGrid::requestItemSearch()
{
    if (searchQueued_)
        return;
    searchQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            searchQueued_ = false;
            Q_EMIT itemSearchRequested();
        },
        Qt::QueuedConnection);
}

void InvoiceGrid::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (locked_) {
        const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool changing = (ctrl && (key == Qt::Key_Insert || key == Qt::Key_Delete || enter)) ||
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
        if (ctrl && enter) {
            Q_EMIT itemSearchRequested();
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
    }
    if (!ctrl && enter) {
        Q_EMIT advanceRequested();
        return;
    }
    const UserMove move(this);
    QTableView::keyPressEvent(event);
}

void InvoiceGrid::mousePressEvent(QMouseEvent* event)
{
    const UserMove move(this);
    QTableView::mousePressEvent(event);
}

void InvoiceGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab and Backtab in an editor move the cursor from here.
    const UserMove move(this);
    QTableView::closeEditor(editor, hint);
}

void InvoiceGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    // The ellipsis button follows the current line.
    if (model()) {
        for (const QModelIndex& at : {previous, current})
            if (at.isValid())
                update(model()->index(at.row(), int(LineColumn::Item)));
    }
    if (previous.isValid() && current.isValid() && previous.row() != current.row())
        Q_EMIT rowLeft(previous.row(), current.row());
    // Entering the Item column opens the item search at once.
    if (userMoves_ > 0 && !locked_ && isItemColumn(current) &&
        (!previous.isValid() || !isItemColumn(previous)))
        requestItemSearch();
}

void InvoiceGrid::contextMenuEvent(QContextMenuEvent* event)
{
    if (!locked_)
        popup_->exec(event->globalPos());
}

void InvoiceGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!locked_ && isItemColumn(cell)) {
        setCurrentIndex(cell);
        Q_EMIT itemSearchRequested();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

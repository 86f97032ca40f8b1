#include "receivables/invoices/ui/invoicegrid.h"

#include "receivables/invoices/ui/invoicelinecolumns.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionButton>
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

InvoiceGrid::InvoiceGrid(QWidget* parent) : LineGrid(parent)
{
    popup()->addSeparator();
    actionItemSearch = popup()->addAction(QStringLiteral("Item Search..."), this,
                                          &InvoiceGrid::itemSearchRequested);
    actionItemSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
}

QRect InvoiceGrid::ellipsisRect(int row) const
{
    return model() ? ellipsisIn(visualRect(model()->index(row, int(LineColumn::Item)))) : QRect();
}

bool InvoiceGrid::showsEllipsis(const QModelIndex& index) const
{
    return isItemColumn(index) && !isLocked() && index.row() == currentIndex().row();
}

QWidget* InvoiceGrid::createCellEditor(QWidget* parent, const QModelIndex& index)
{
    if (!isItemColumn(index))
        return nullptr;
    auto* itemNo = new ItemNoEditor(parent);
    connect(itemNo->button, &QToolButton::clicked, this, &InvoiceGrid::requestItemSearch);
    return itemNo;
}

void InvoiceGrid::paintCellExtras(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
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

bool InvoiceGrid::cellClicked(const QStyleOptionViewItem& option, const QModelIndex& index,
                              const QPoint& at, bool released)
{
    if (!showsEllipsis(index) || !ellipsisIn(option.rect).contains(at))
        return false;
    if (released)
        requestItemSearch();
    return true;
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
    const bool ctrlEnter = (event->modifiers() & Qt::ControlModifier) &&
                           (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (ctrlEnter) {
        if (isLocked())
            Q_EMIT lockedChangeAttempted();
        else
            Q_EMIT itemSearchRequested();
        return;
    }
    LineGrid::keyPressEvent(event);
}

void InvoiceGrid::moveByKey(QKeyEvent* event)
{
    const UserMove move(this);
    LineGrid::moveByKey(event);
}

void InvoiceGrid::mousePressEvent(QMouseEvent* event)
{
    const UserMove move(this);
    LineGrid::mousePressEvent(event);
}

void InvoiceGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab and Backtab in an editor move the cursor from here.
    const UserMove move(this);
    LineGrid::closeEditor(editor, hint);
}

void InvoiceGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    LineGrid::currentChanged(current, previous);
    // The ellipsis button follows the current line.
    if (model()) {
        for (const QModelIndex& at : {previous, current})
            if (at.isValid())
                update(model()->index(at.row(), int(LineColumn::Item)));
    }
    // Entering the Item column opens the item search at once.
    if (userMoves_ > 0 && !isLocked() && isItemColumn(current) &&
        (!previous.isValid() || !isItemColumn(previous)))
        requestItemSearch();
}

void InvoiceGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!isLocked() && isItemColumn(cell)) {
        setCurrentIndex(cell);
        Q_EMIT itemSearchRequested();
        return;
    }
    LineGrid::mouseDoubleClickEvent(event);
}

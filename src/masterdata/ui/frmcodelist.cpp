#include "masterdata/ui/frmcodelist.h"

#include "common/formats.h"
#include "common/money.h"
#include "common/ui/fontfactor.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "masterdata/codetables/codedelete.h"
#include "masterdata/codetables/coderecords.h"
#include "masterdata/codetables/itemlist.h"
#include "masterdata/ui/frmcoderecord.h"
#include "masterdata/ui/itemsdialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr int kKeyRole = Qt::UserRole + 1;
constexpr int kRowsShown = 12;
} // namespace

TfrmCodeList::TfrmCodeList(Database& db, const codetables::CodeTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs(&messageBoxes_), db_(db), table_(table),
      messageBoxes_(this)
{
    setObjectName(table.listName);
    setWindowTitle(table.listCaption);
    runRecordScreen = [](TfrmCodeRecord& screen) { screen.exec(); };

    model_ = new QStandardItemModel(this);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grdList"));
    grid->setModel(model_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->verticalHeader()->hide();
    grid->setWordWrap(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->installEventFilter(this);
    connect(grid, &QTableView::doubleClicked, this, &TfrmCodeList::editRecord);

    btnNew = new QPushButton(QStringLiteral("&New"), this);
    btnNew->setObjectName(QStringLiteral("btnNew"));
    btnEdit = new QPushButton(QStringLiteral("&Edit"), this);
    btnEdit->setObjectName(QStringLiteral("btnEdit"));
    btnDelete = new QPushButton(QStringLiteral("&Delete"), this);
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    auto* buttonPanel = new QWidget(this);
    buttonPanel->setObjectName(QStringLiteral("pnlButtons"));
    buttonPanel->installEventFilter(this);
    auto* buttons = new QHBoxLayout(buttonPanel);
    buttons->addWidget(btnNew);
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnDelete);
    buttons->addStretch();
    connect(btnNew, &QPushButton::clicked, this, &TfrmCodeList::newRecord);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmCodeList::editRecord);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmCodeList::deleteRecord);

    buildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(grid, 1);
    layout->addWidget(buttonPanel);

    QStringList headings;
    for (const codetables::ListColumn& c : table.columns)
        headings << c.caption;
    model_->setHorizontalHeaderLabels(headings);
    refresh();
    resize(qMax(420, 160 * int(headings.size())), 300);
    applyFontFactor(this);
}

void TfrmCodeList::buildMenus()
{
    menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    mnuPrint = file->addAction(QStringLiteral("&Print"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->setEnabled(false); // the lists have no printout; the entry only keeps its place
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    QMenu* records = menuBar->addMenu(QStringLiteral("&Records"));
    auto entry = [this](QMenu* menu, const QString& name, const QString& caption,
                        void (TfrmCodeList::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    // The grid takes Ins, Enter and Ctrl+Del itself; the menu names the keys.
    mnuNew = entry(records, QStringLiteral("mnuNew"), QStringLiteral("&New\tIns"),
                   &TfrmCodeList::newRecord);
    mnuEdit = entry(records, QStringLiteral("mnuEdit"), QStringLiteral("&Edit\tEnter"),
                    &TfrmCodeList::editRecord);
    mnuDelete = entry(records, QStringLiteral("mnuDelete"), QStringLiteral("&Delete\tCtrl+Del"),
                      &TfrmCodeList::deleteRecord);
    QMenu* view = menuBar->addMenu(QStringLiteral("&View"));
    mnuRefresh = entry(view, QStringLiteral("mnuRefresh"), QStringLiteral("&Refresh"),
                       &TfrmCodeList::refresh);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp = help->addAction(QStringLiteral("&Contents"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, [this] {
        if (openHelp)
            openHelp();
    });

    auto* popup = new QMenu(this);
    popNew =
        entry(popup, QStringLiteral("popNew"), QStringLiteral("&New"), &TfrmCodeList::newRecord);
    popEdit =
        entry(popup, QStringLiteral("popEdit"), QStringLiteral("&Edit"), &TfrmCodeList::editRecord);
    popDelete = entry(popup, QStringLiteral("popDelete"), QStringLiteral("&Delete"),
                      &TfrmCodeList::deleteRecord);
    connect(grid, &QWidget::customContextMenuRequested, popup,
            [this, popup](const QPoint& at) { popup->popup(grid->viewport()->mapToGlobal(at)); });

    if (table_.numberedFromItemCtl)
        addItemEntries(records, view);
}

// Items come from the host's catalogue: no New or Delete here, and the list can be sorted,
// narrowed, searched and synchronized.
void TfrmCodeList::addItemEntries(QMenu* records, QMenu* view)
{
    btnNew->setEnabled(false);
    btnDelete->setEnabled(false);
    for (QAction* a : {mnuNew, mnuDelete, popNew, popDelete})
        a->setVisible(false);
    records->addSeparator();
    mnuSynchronize = records->addAction(QStringLiteral("S&ynchronize"));
    mnuSynchronize->setObjectName(QStringLiteral("mnuSynchronize"));
    connect(mnuSynchronize, &QAction::triggered, this, [this] {
        if (synchronize)
            synchronize();
        refresh();
    });
    // Item totals and history belong to inventory, which this module does not keep.
    for (const auto& [name, caption] :
         {std::pair{"mnuTotals", "&Totals"}, std::pair{"mnuHistory", "&History"}}) {
        QAction* entry = records->addAction(QString::fromLatin1(caption));
        entry->setObjectName(QString::fromLatin1(name));
        entry->setEnabled(false);
    }

    view->addSeparator();
    QMenu* sortBy = view->addMenu(QStringLiteral("&Sort by"));
    auto* sortGroup = new QActionGroup(this);
    mnuSortByNumber = sortBy->addAction(QStringLiteral("Item no."));
    mnuSortByNumber->setObjectName(QStringLiteral("mnuSortByItemNo"));
    mnuSortByDescription = sortBy->addAction(QStringLiteral("Description"));
    mnuSortByDescription->setObjectName(QStringLiteral("mnuSortByDescription"));
    for (QAction* a : {mnuSortByNumber, mnuSortByDescription}) {
        a->setCheckable(true);
        sortGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] {
            order_ = {a == mnuSortByNumber ? QStringLiteral("ItemNo")
                                           : QStringLiteral("ItemDescription")};
            refresh();
            grid->selectRow(0);
        });
    }
    mnuSortByNumber->setChecked(true);
    mnuFilter = view->addAction(QStringLiteral("&Filter..."));
    mnuFilter->setObjectName(QStringLiteral("mnuFilter"));
    mnuFilter->setCheckable(true);
    connect(mnuFilter, &QAction::triggered, this, &TfrmCodeList::filterItems);
    mnuFind = view->addAction(QStringLiteral("F&ind..."));
    mnuFind->setObjectName(QStringLiteral("mnuFind"));
    connect(mnuFind, &QAction::triggered, this, &TfrmCodeList::findItem);
}

void TfrmCodeList::refresh()
{
    const std::optional<qint64> current = currentKey();
    model_->removeRows(0, model_->rowCount());
    const QList<codetables::ListRow> rows = codetables::listRows(db_, table_, filter_, order_);
    for (const codetables::ListRow& row : rows) {
        QList<QStandardItem*> cells;
        for (const QVariant& cell : row.cells) {
            const bool amount = cell.metaType() == QMetaType::fromType<Money>();
            auto* item =
                new QStandardItem(amount ? formatCurrency(cell.value<Money>()) : cell.toString());
            if (amount || cell.typeId() == QMetaType::Double)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cells << item;
        }
        cells.first()->setData(row.key, kKeyRole);
        model_->appendRow(cells);
    }
    grid->resizeColumnsToContents();
    if (current)
        positionOn(*current);
    else if (model_->rowCount() > 0)
        grid->selectRow(0);
}

void TfrmCodeList::setFilter(const QString& filter)
{
    filter_ = filter;
    if (table_.numberedFromItemCtl)
        setWindowTitle(filter.isEmpty() ? table_.listCaption
                                        : table_.listCaption + QStringLiteral(" (Filtered)"));
    if (mnuFilter)
        mnuFilter->setChecked(!filter.isEmpty());
    refresh();
}

std::optional<qint64> TfrmCodeList::currentKey() const
{
    const QModelIndex at = grid->currentIndex();
    if (!at.isValid())
        return std::nullopt;
    return model_->index(at.row(), 0).data(kKeyRole).toLongLong();
}

void TfrmCodeList::positionOn(qint64 key)
{
    for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->index(row, 0).data(kKeyRole).toLongLong() == key) {
            grid->selectRow(row);
            return;
        }
    if (model_->rowCount() > 0)
        grid->selectRow(0);
}

void TfrmCodeList::FormShow()
{
    refresh();
}

void TfrmCodeList::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    mnuHelp->setEnabled(bool(openHelp));
    if (shownBefore_)
        return;
    shownBefore_ = true;
    // tall enough for twelve rows of the grid
    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    const int wanted =
        grid->horizontalHeader()->height() + kRowsShown * rowHeight + 2 * grid->frameWidth();
    resize(width(), height() + wanted - grid->height());
    firstSize_ = size();
    if (model_->rowCount() > 0)
        grid->selectRow(0);
}

bool TfrmCodeList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto modifiers = static_cast<QKeyEvent*>(event)->modifiers();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            editRecord();
            return true;
        }
        if (key == Qt::Key_Insert && modifiers == Qt::NoModifier) {
            newRecord();
            return true;
        }
        if (key == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
            deleteRecord();
            return true;
        }
    }
    if (watched != grid && event->type() == QEvent::MouseButtonDblClick && firstSize_.isValid()) {
        resize(firstSize_); // the button panel restores the first size
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmCodeList::openRecord(std::optional<qint64> key)
{
    TfrmCodeRecord screen(db_, table_, key, this);
    screen.dial = dial;
    screen.updateFieldButtons();
    runRecordScreen(screen);
    if (screen.savedKey()) {
        refresh();
        positionOn(*screen.savedKey());
    }
}

void TfrmCodeList::newRecord()
{
    if (!btnNew->isEnabled())
        return;
    openRecord(std::nullopt);
}

void TfrmCodeList::editRecord()
{
    const std::optional<qint64> key = currentKey();
    if (!key) {
        if (btnNew->isEnabled())
            newRecord(); // an empty table: Edit starts the first row
        return;
    }
    openRecord(key);
}

void TfrmCodeList::deleteRecord()
{
    const std::optional<qint64> key = currentKey();
    if (!key || !btnDelete->isEnabled())
        return;
    try {
        if (codetables::deleteWithConfirmation(db_, *dialogs, table_, *key,
                                               codetables::rowName(db_, table_, *key)))
            refresh();
    } catch (const DbError& error) {
        dialogs->inform(Dialogs::Kind::Error, error.message());
    }
}

void TfrmCodeList::filterItems()
{
    TfrmItemsFilter filter(db_, this);
    if (filter.exec() == QDialog::Accepted)
        setFilter(filter.filter());
    else
        mnuFilter->setChecked(!filter_.isEmpty());
    grid->selectRow(0);
}

void TfrmCodeList::findItem()
{
    TfrmItemsFind find(this);
    if (find.exec() != QDialog::Accepted)
        return;
    const auto found = codetables::findItem(db_, find.byNumber(), find.typed());
    if (found)
        positionOn(*found);
    else
        dialogs->inform(Dialogs::Kind::Information, codetables::itemNotFoundMessage(find.typed()));
}

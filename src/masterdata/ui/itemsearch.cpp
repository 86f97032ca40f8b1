#include "masterdata/ui/itemsearch.h"

#include "common/ui/fontfactor.h"
#include "engine/database.h"
#include "masterdata/ui/itemsdialogs.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr int kItemIdRole = Qt::UserRole + 1;
constexpr int kTypeIdRole = Qt::UserRole + 2;
} // namespace

TfrmItemSearch::TfrmItemSearch(Database& db, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmItemSearch"));
    setWindowTitle(QStringLiteral("Item"));
    beep = [] { QApplication::beep(); };

    items_ = new QStandardItemModel(0, 3, this);
    items_->setHorizontalHeaderLabels(
        {QStringLiteral("Item no."), QStringLiteral("Description"), QStringLiteral("Type")});
    view_ = new QSortFilterProxyModel(this);
    view_->setSourceModel(items_);
    view_->setSortCaseSensitivity(Qt::CaseInsensitive);
    view_->setFilterRole(kTypeIdRole);
    view_->setFilterKeyColumn(TypeColumn);

    editItemNo = new QLineEdit(this);
    editItemNo->setObjectName(QStringLiteral("editItemNo"));
    editDescription = new QLineEdit(this);
    editDescription->setObjectName(QStringLiteral("editDescription"));
    cboItemType = new QComboBox(this);
    cboItemType->setObjectName(QStringLiteral("cboItemType"));
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grdItems"));
    grid->setModel(view_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(ItemNoColumn, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionResizeMode(TypeColumn, QHeaderView::ResizeToContents);
    grid->setAlternatingRowColors(true);

    auto* search = new QFormLayout;
    search->addRow(QStringLiteral("Item no.:"), editItemNo);
    search->addRow(QStringLiteral("Description:"), editDescription);
    search->addRow(QStringLiteral("Item type:"), cboItemType);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(grid, 1);
    layout->addWidget(buttons);

    load(db);
    view_->sort(ItemNoColumn);
    resize(620, 440);
    selectRow(0);

    connect(editItemNo, &QLineEdit::textEdited, this,
            [this] { searchFrom(editItemNo, ItemNoColumn); });
    connect(editDescription, &QLineEdit::textEdited, this,
            [this] { searchFrom(editDescription, DescriptionColumn); });
    connect(cboItemType, &QComboBox::currentIndexChanged, this, &TfrmItemSearch::filterByType);
    connect(grid, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    applyFontFactor(this);
}

void TfrmItemSearch::load(Database& db)
{
    Statement rows = db.query(QStringLiteral(
        "SELECT Item.ItemID, Item.ItemNo, Item.ItemDescription, Item.ItemTypeID, ItemType.TypeName"
        " FROM Item LEFT OUTER JOIN ItemType ON ItemType.ItemTypeID = Item.ItemTypeID"));
    rows.exec();
    while (rows.next()) {
        auto* number = new QStandardItem(rows.text(1));
        number->setData(rows.integer(0), kItemIdRole);
        auto* type = new QStandardItem(rows.text(4));
        type->setData(rows.isNull(3) ? QVariant() : QVariant(rows.integer(3)), kTypeIdRole);
        items_->appendRow({number, new QStandardItem(rows.text(2)), type});
    }
    fillItemTypeChoices(cboItemType, db, kAllItemTypes);
}

void TfrmItemSearch::searchFrom(QLineEdit* box, Column column)
{
    view_->sort(column);
    const QString typed = box->text();
    for (int row = 0; row < view_->rowCount(); ++row) {
        if (view_->index(row, column).data().toString().startsWith(typed, Qt::CaseInsensitive)) {
            selectRow(row);
            return;
        }
    }
    beep();
}

void TfrmItemSearch::filterByType()
{
    const QVariant type = cboItemType->currentData();
    view_->setFilterRegularExpression(type.isValid() ? QStringLiteral("^%1$").arg(type.toInt())
                                                     : QString());
    selectRow(0);
}

void TfrmItemSearch::selectRow(int proxyRow)
{
    if (proxyRow < 0 || proxyRow >= view_->rowCount())
        return;
    grid->selectRow(proxyRow);
    grid->scrollTo(view_->index(proxyRow, 0));
}

void TfrmItemSearch::setCurrentItem(int itemId)
{
    for (int row = 0; row < view_->rowCount(); ++row) {
        if (view_->index(row, ItemNoColumn).data(kItemIdRole).toInt() == itemId) {
            selectRow(row);
            return;
        }
    }
}

int TfrmItemSearch::selectedItemId() const
{
    const QModelIndexList rows = grid->selectionModel()->selectedRows(ItemNoColumn);
    return rows.isEmpty() ? 0 : rows.first().data(kItemIdRole).toInt();
}

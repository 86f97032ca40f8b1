#include "masterdata/ui/recipientlookup.h"

#include "common/ui/fontfactor.h"
#include "data/lookups.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
struct Column {
    const char* caption;
    const char* field;
};
const Column kColumns[] = {{"Client", "CustomerName"},
                           {"ID", "CustomerNo"},
                           {"ShipToAddressLine1", "ShipToAddressLine1"},
                           {"City", "City"},
                           {"State", "StateProv"},
                           {"ZIP", "ZipCode"}};
constexpr int kIdColumn = 1;
} // namespace

TfrmLookupRecipient::TfrmLookupRecipient(LookupView& recipients, const QString& currentRecipId,
                                         QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLookupRecipient"));
    setWindowTitle(QStringLiteral("Lookup Recipient"));
    recipients.open();
    rows_ = new QStandardItemModel(0, int(std::size(kColumns)), this);
    QStringList captions;
    for (const Column& c : kColumns)
        captions << QString::fromLatin1(c.caption);
    rows_->setHorizontalHeaderLabels(captions);
    for (int row = 0; row < recipients.rowCount(); ++row) {
        QList<QStandardItem*> cells;
        for (const Column& c : kColumns)
            cells << new QStandardItem(
                recipients.value(row, QString::fromLatin1(c.field)).toString());
        rows_->appendRow(cells);
    }

    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grdRecipients"));
    grid->setModel(rows_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setAlternatingRowColors(true);
    grid->resizeColumnsToContents();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid, &QTableView::doubleClicked, this, &QDialog::accept);
    resize(640, 400);

    int current = 0;
    for (int row = 0; row < rows_->rowCount(); ++row) {
        if (rows_->item(row, kIdColumn)->text() == currentRecipId) {
            current = row;
            break;
        }
    }
    if (rows_->rowCount() > 0) {
        grid->selectRow(current);
        grid->scrollTo(rows_->index(current, 0));
    }
    applyFontFactor(this);
}

QString TfrmLookupRecipient::chosenCustomerNo() const
{
    const QModelIndexList rows = grid->selectionModel()->selectedRows(kIdColumn);
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

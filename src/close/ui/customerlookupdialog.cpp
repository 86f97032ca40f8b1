#include "close/ui/customerlookupdialog.h"

#include "common/ui/fontfactor.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TResetCustomerLookup::TResetCustomerLookup(QList<CustomerLookupRow> rows, qint64 currentCustomerId,
                                           QWidget* parent)
    : QDialog(parent), rows_(std::move(rows))
{
    setObjectName(QStringLiteral("ResetCustomerLookup"));
    setWindowTitle(QStringLiteral("Lookup"));
    grid = new QTableWidget(int(rows_.size()), 3, this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setHorizontalHeaderLabels(
        {QStringLiteral("ID"), QStringLiteral("Bill-To"), QStringLiteral("Client")});
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    for (int row = 0; row < rows_.size(); ++row) {
        const CustomerLookupRow& r = rows_.at(row);
        grid->setItem(row, 0, new QTableWidgetItem(r.customerNo));
        grid->setItem(row, 1, new QTableWidgetItem(r.customerName));
        grid->setItem(row, 2, new QTableWidgetItem(r.shipToName));
        if (r.customerId == currentCustomerId)
            grid->selectRow(row);
    }
    // Widths in characters, as the lookup's columns were laid out: 10, 25 and 25.
    const int character = grid->fontMetrics().averageCharWidth();
    grid->setColumnWidth(0, 10 * character);
    grid->setColumnWidth(1, 25 * character);
    grid->setColumnWidth(2, 25 * character);
    if (grid->currentRow() < 0 && !rows_.isEmpty())
        grid->selectRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addWidget(buttons);
    resize(62 * character + 40, 360);
    applyFontFactor(this);
}

std::optional<CustomerLookupRow> TResetCustomerLookup::chosen() const
{
    const int row = grid->currentRow();
    if (row < 0 || row >= rows_.size())
        return std::nullopt;
    return rows_.at(row);
}

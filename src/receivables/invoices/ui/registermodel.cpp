#include "receivables/invoices/ui/registermodel.h"

#include "receivables/invoices/register/registercolumns.h"

void RegisterModel::setRows(QList<RegisterRow> rows, const QDate& today)
{
    today_ = today; // read only when the grid shows the new rows
    replaceRows(std::move(rows));
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(registercolumns::Count);
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    const RegisterRow* row = rowAt(index.row());
    if (!row)
        return {};
    const auto column = registercolumns::Column(index.column());
    if (role == Qt::DisplayRole)
        return registercolumns::text(*row, column, today_);
    if (role == Qt::TextAlignmentRole) {
        switch (column) {
        case registercolumns::Age:
        case registercolumns::Amount:
        case registercolumns::Owing:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case registercolumns::Printed:
        case registercolumns::Posted:
            return int(Qt::AlignCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return registercolumns::title(registercolumns::Column(section));
    return RegisterRows::headerData(section, orientation, role);
}

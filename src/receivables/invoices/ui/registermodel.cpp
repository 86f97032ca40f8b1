#include "receivables/invoices/ui/registermodel.h"

#include "receivables/invoices/register/registercolumns.h"

void RegisterModel::setRows(QList<RegisterRow> rows, const QDate& today)
{
    beginResetModel();
    rows_ = std::move(rows);
    today_ = today;
    endResetModel();
}

const RegisterRow* RegisterModel::rowAt(int row) const
{
    return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
}

int RegisterModel::rowOf(qint64 invoiceId) const
{
    for (int row = 0; row < rows_.size(); ++row) {
        if (rows_[row].invoiceId == invoiceId)
            return row;
    }
    return -1;
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
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
    return QAbstractTableModel::headerData(section, orientation, role);
}

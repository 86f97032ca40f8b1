#include "receivables/payments/register/ui/paymentregistermodel.h"

#include "receivables/payments/register/paymentcolumns.h"

void PaymentRegisterModel::setRows(QList<PaymentRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const PaymentRow* PaymentRegisterModel::rowAt(int row) const
{
    return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
}

int PaymentRegisterModel::rowOf(qint64 paymentId) const
{
    for (int row = 0; row < rows_.size(); ++row) {
        if (rows_[row].paymentId == paymentId)
            return row;
    }
    return -1;
}

int PaymentRegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int PaymentRegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(paymentcolumns::Count);
}

QVariant PaymentRegisterModel::data(const QModelIndex& index, int role) const
{
    const PaymentRow* row = rowAt(index.row());
    if (!row)
        return {};
    const auto column = paymentcolumns::Column(index.column());
    if (role == Qt::DisplayRole)
        return paymentcolumns::text(*row, column);
    if (role == Qt::TextAlignmentRole) {
        switch (column) {
        case paymentcolumns::Amount:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case paymentcolumns::Posted:
        case paymentcolumns::Reconciled:
            return int(Qt::AlignCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

QVariant PaymentRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return paymentcolumns::title(paymentcolumns::Column(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}

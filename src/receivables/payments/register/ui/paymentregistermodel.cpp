#include "receivables/payments/register/ui/paymentregistermodel.h"

#include "receivables/payments/register/paymentcolumns.h"

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
    return PaymentRows::headerData(section, orientation, role);
}

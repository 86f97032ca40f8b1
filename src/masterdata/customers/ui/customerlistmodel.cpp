#include "masterdata/customers/ui/customerlistmodel.h"

#include "common/formats.h"

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    const CustomerRow* row = rowAt(index.row());
    if (!row)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Balance)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ClientId:
        return row->customerNo;
    case Name:
        return row->customerName;
    case Contact:
        return row->contact;
    case Phone:
        return row->phone;
    case Balance:
        return formatFloat(kMoneyListFormat, row->balance);
    default:
        return {};
    }
}

QVariant CustomerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QStringLiteral("Client ID"), QStringLiteral("Name"),
                                    QStringLiteral("Contact"), QStringLiteral("Phone"),
                                    QStringLiteral("Balance")};
    return titles.value(section);
}

#pragma once
// The rows of the customer list: "Client ID", "Name", Contact, Phone and Balance.

#include "masterdata/customers/customerlist.h"
#include "receivables/listing/ui/rowlistmodel.h"

class CustomerListModel : public RowListModel<CustomerRow, &CustomerRow::customerId>
{
public:
    enum Column { ClientId, Name, Contact, Phone, Balance, Count };
    using RowListModel::RowListModel;

    void setRows(QList<CustomerRow> rows) { replaceRows(std::move(rows)); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : Count;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

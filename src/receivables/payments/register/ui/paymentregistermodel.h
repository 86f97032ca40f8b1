#pragma once
// The payment register's grid: its rows as the register's columns show them.

#include "receivables/listing/ui/rowlistmodel.h"
#include "receivables/payments/register/paymentlist.h"

using PaymentRows = RowListModel<PaymentRow, &PaymentRow::paymentId>;

class PaymentRegisterModel : public PaymentRows
{
    Q_OBJECT
public:
    explicit PaymentRegisterModel(QObject* parent = nullptr) : PaymentRows(parent) {}

    void setRows(QList<PaymentRow> rows) { replaceRows(std::move(rows)); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
};

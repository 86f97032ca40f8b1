#pragma once
// The payment register's grid: its rows as the register's columns show them.

#include "receivables/payments/register/paymentlist.h"

#include <QAbstractTableModel>

class PaymentRegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit PaymentRegisterModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setRows(QList<PaymentRow> rows);
    const PaymentRow* rowAt(int row) const;
    // The row showing the payment; -1 when the list does not show it.
    int rowOf(qint64 paymentId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<PaymentRow> rows_;
};

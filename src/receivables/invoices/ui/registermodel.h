#pragma once
// The register's grid: its rows as the register's columns show them.

#include "receivables/invoices/register/registerlist.h"

#include <QAbstractTableModel>
#include <QDate>

class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RegisterModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setRows(QList<RegisterRow> rows, const QDate& today);
    const RegisterRow* rowAt(int row) const;
    // The row showing the invoice; -1 when the list does not show it.
    int rowOf(qint64 invoiceId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<RegisterRow> rows_;
    QDate today_;
};

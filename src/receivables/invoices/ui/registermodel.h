#pragma once
// The register's grid: its rows as the register's columns show them.

#include "receivables/invoices/register/registerlist.h"
#include "receivables/listing/ui/rowlistmodel.h"

#include <QDate>

using RegisterRows = RowListModel<RegisterRow, &RegisterRow::invoiceId>;

class RegisterModel : public RegisterRows
{
    Q_OBJECT
public:
    explicit RegisterModel(QObject* parent = nullptr) : RegisterRows(parent) {}

    // `today` is the day the Age column counts to.
    void setRows(QList<RegisterRow> rows, const QDate& today);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QDate today_;
};

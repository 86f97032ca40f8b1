#pragma once
// The payment's allocation lines as the grid shows and edits them, through the payment document.

#include "common/ui/documentlinesmodel.h"
#include "receivables/payments/ui/allocationcolumns.h"

class PaymentDocument;

class AllocationLinesModel : public DocumentLinesModel
{
    Q_OBJECT
public:
    AllocationLinesModel(PaymentDocument& document, Dialogs& dialogs, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static AllocationColumn columnOf(int column) { return static_cast<AllocationColumn>(column); }

protected:
    int documentLineCount() const override;

private:
    PaymentDocument& document_;
};

#pragma once
// The payment's allocation lines as the grid shows and edits them. Every edit goes through the
// payment document, so the grid meets the same checks as any other writer; a refusal is shown
// and the value is not taken.

#include "receivables/payments/ui/allocationcolumns.h"

#include <QAbstractTableModel>

class Dialogs;
class PaymentDocument;

class AllocationLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    AllocationLinesModel(PaymentDocument& document, Dialogs& dialogs, QObject* parent = nullptr);

    // The document changed outside the grid (a line appended, filled, stored, deleted,
    // cancelled): rows are added or taken away at the end and every row is shown anew.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static AllocationColumn columnOf(int column) { return static_cast<AllocationColumn>(column); }

Q_SIGNALS:
    // A refused value: the message was shown; the grid keeps the cursor on the cell.
    void refused(const QModelIndex& index);
    // The allocated sum or the caption may have changed.
    void documentChanged();

private:
    PaymentDocument& document_;
    Dialogs& dialogs_;
    int shownRows_ = 0;
};

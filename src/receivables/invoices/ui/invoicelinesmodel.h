#pragma once
// The invoice's lines as the line grid shows and edits them. Every edit goes through the invoice
// document, so the grid gets the same checks, amounts and totals as any other writer; a refusal
// is shown and the value is not taken.

#include "receivables/invoices/ui/invoicelinecolumns.h"

#include <QAbstractTableModel>

class Dialogs;
class InvoiceDocument;

class InvoiceLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    InvoiceLinesModel(InvoiceDocument& document, Dialogs& dialogs, QObject* parent = nullptr);

    // The document changed outside the grid (a line appended, stored, deleted, cancelled): rows
    // are added or taken away at the end and every row is shown anew, keeping the cursor.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static LineColumn columnOf(int column) { return static_cast<LineColumn>(column); }

Q_SIGNALS:
    // A refused value: the message was shown; the screen puts the cursor on the cell.
    void refused(const QModelIndex& index);
    // The invoice's totals or caption may have changed.
    void documentChanged();

private:
    InvoiceDocument& document_;
    Dialogs& dialogs_;
    int shownRows_ = 0;
};

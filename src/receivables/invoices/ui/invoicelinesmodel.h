#pragma once
// The invoice's lines as the line grid shows and edits them, through the invoice document, so
// the grid gets the same checks, amounts and totals as any other writer.

#include "common/ui/documentlinesmodel.h"
#include "receivables/invoices/ui/invoicelinecolumns.h"

class InvoiceDocument;

class InvoiceLinesModel : public DocumentLinesModel
{
    Q_OBJECT
public:
    InvoiceLinesModel(InvoiceDocument& document, Dialogs& dialogs, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static LineColumn columnOf(int column) { return static_cast<LineColumn>(column); }

protected:
    int documentLineCount() const override;

private:
    InvoiceDocument& document_;
};

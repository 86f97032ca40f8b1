#include "receivables/invoices/ui/invoicelinecolumns.h"

#include "receivables/invoices/invoicedocument.h"

void setLineItemInColumn(InvoiceDocument& document, std::optional<qint64> itemId, LineColumn column)
{
    if (!itemId || *itemId == 0) {
        document.setLineItem(std::nullopt);
        return;
    }
    switch (column) {
    case LineColumn::Item:
        document.chooseLineItem(*itemId);
        return;
    case LineColumn::OverrideDescription:
        document.chooseLineItemByDescription(*itemId);
        return;
    default:
        document.setLineItem(itemId);
    }
}

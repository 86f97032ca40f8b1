#include "receivables/invoices/register/registercopy.h"

#include "common/dialogs.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/register/registermessages.h"

namespace
{

// Appends one copied line: the item brings its current price, and the original price is put
// back when the bookkeeper would rather keep it.
void copyLine(InvoiceDocument& copy, Dialogs& dialogs, const InvoiceLine& original)
{
    copy.appendLine();
    try {
        copy.setLineQuantity(original.quantity);
        copy.setLineItem(original.itemId);
        const int row = copy.editingRow();
        const std::optional<ItemInfo> item = copy.lineItem(row);
        if (item && copy.line(row).unitPrice != original.unitPrice &&
            dialogs.ask(Dialogs::Kind::Confirmation,
                        registermsg::useLatestPrice(item->itemDescription),
                        Dialogs::Yes | Dialogs::No) == Dialogs::No)
            copy.setLineUnitPrice(original.unitPrice);
        copy.setLineOverrideDescription(original.itemOvDesc);
        copy.storeLine();
    } catch (...) {
        copy.cancelLine();
        throw;
    }
}

} // namespace

std::unique_ptr<InvoiceDocument> copyInvoice(Database& db, Dialogs& dialogs, qint64 invoiceId,
                                             const FormatSettings& settings)
{
    const auto original = InvoiceDocument::openExisting(db, invoiceId, settings);
    if (!original)
        return nullptr;
    auto copy = InvoiceDocument::openNew(db, settings);
    const InvoiceHeader& from = original->header();
    copy->setCustomerId(from.customerId);
    copy->setWarehouseId(from.warehouseId);
    copy->setDescription(from.description);
    copy->setPurchaseOrderNo(from.purchaseOrderNo);
    for (const InvoiceLine& line : original->storedLines())
        copyLine(*copy, dialogs, line);
    return copy;
}

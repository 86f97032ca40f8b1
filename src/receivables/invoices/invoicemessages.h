#pragma once
// Every text the invoice rules show, worded exactly as the bookkeeper reads it ("\r" and "\r\n"
// included; only the screen turns them into line breaks).

#include <QString>

namespace invoicemsg
{
// A customer number typed into the customer box.
QString customerNoNotFound(const QString& typed);  // Customer no. 1002 not found.
QString customerNoSuspended(const QString& typed); // Customer no. 1002 has been suspended.
// The invoice's customer, however it was chosen.
inline const QString kCustomerNotFound = QStringLiteral("Customer not found");
QString customerSuspended(const QString& customerNo, const QString& customerName);

// An item chosen for a line.
inline const QString kItemNotFoundTyped =
    QStringLiteral("Item not found...\r\nPress Esc or enter a different item no");
inline const QString kItemSuspended = QStringLiteral("Item has been suspended");
QString itemSuspended(const QString& itemNo, const QString& itemDescription);
// A line being stored.
inline const QString kItemRequired =
    QStringLiteral("Field 'Item no.' must have a value...\rMake changes or press Esc to undo");
inline const QString kItemNotFoundOnStore =
    QStringLiteral("Item not found...\r\nMake changes or press Esc to undo");
inline const QString kLineAmountTooLarge =
    QStringLiteral("The line amount is too large...\r\nMake changes or press Esc to undo");
inline const QString kTooManyTaxes = QStringLiteral(
    "Too many taxes...\rMore than 3 tax codes were encountered while processing the items on "
    "this invoice. \rPlease check the items to ensure the tax codes are correct");

// The header being stored, in the order it is checked.
inline const QString kCustomerRequired = QStringLiteral("Field 'Customer' must have a value");
inline const QString kFiscalYearUndefined =
    QStringLiteral("Current fiscal year is not yet defined...\rSee \"Your Company\"");
inline const QString kNoItems = QStringLiteral("Items have not been entered");
inline const QString kCustomerGone = QStringLiteral("Customer no longer exists");
inline const QString kWarehouseGone = QStringLiteral("Warehouse no longer exists");
// A field the header cannot be stored without: Field 'Invoice no.' must have a value
QString fieldRequired(const QString& label);
inline const QString kDuplicateInvoiceNo = QStringLiteral("Invoice no. already exists");

inline const QString kPostedLocked = QStringLiteral(
    "Posted invoices cannot be changed...\r\rTo undo an invoice after posting, you must "
    "\"reverse\" it (enter it again with the opposite amount). You can then remove the invoice "
    "and credit if desired by entering a \"dummy\" payment for zero amount.");
// OK on an invoice that another workstation deleted while it was open here.
inline const QString kInvoiceDeletedMeanwhile =
    QStringLiteral("This invoice was deleted by another user; it was not saved.");
} // namespace invoicemsg

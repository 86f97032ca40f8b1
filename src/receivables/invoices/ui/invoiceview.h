#pragma once
// What the invoice window shows of a document beside its fields: the caption, the delivered-to
// box, the tax line under the grid, and which parts of the header are visible.

#include <QString>

class InvoiceDocument;

namespace invoiceview
{
// "New Invoice" while the invoice has no number or no customer yet, else "Invoice 10001".
QString caption(const InvoiceDocument& document);
// "Same" when the delivered-to customer has neither a ship-to name nor a ship-to address, else
// the ship-to name.
QString deliveredToName(const InvoiceDocument& document);
// "GST: 7.50     PST: 3.50"; a tax of 0 is left out.
QString taxLine(const InvoiceDocument& document);
// The "Delivered-to" button only for a funder (CustomerType "F"), the ship-to address only with
// a Recip_ID, the billed customer's address and the terms only with a customer.
bool showsRecipientButton(const InvoiceDocument& document);
bool showsShipToAddress(const InvoiceDocument& document);
bool showsAddressAndTerms(const InvoiceDocument& document);
} // namespace invoiceview

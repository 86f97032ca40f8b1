#pragma once
// The find dialog's search: an invoice by customer and number, by number alone, or the first
// invoice of a customer, among the invoices the register shows, in its order. What is not found
// is said through Dialogs and the list stays where it was.

#include "receivables/invoices/register/registerlist.h"
#include "receivables/listing/listfind.h"

// The number is the invoice number.
using FindRequest = ListFindRequest;

// The invoice to make current; none when nothing was asked or nothing was found.
std::optional<qint64> findInvoice(Database& db, Dialogs& dialogs, const RegisterView& view,
                                  const FindRequest& request);

#pragma once
// The find dialog's search: an invoice by customer and number, by number alone, or the first
// invoice of a customer, among the invoices the register shows, in its order. What is not found
// is said through Dialogs and the list stays where it was.

#include "receivables/invoices/register/registerlist.h"

class Dialogs;

struct FindRequest {
    // The customer chosen from the list, else the number typed (matched exactly).
    std::optional<qint64> customerId;
    QString customerNoText;
    QString invoiceNo; // matched exactly
};

// The invoice to make current; none when nothing was asked or nothing was found.
std::optional<qint64> findInvoice(Database& db, Dialogs& dialogs, const RegisterView& view,
                                  const FindRequest& request);

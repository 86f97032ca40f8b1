#pragma once
// The keys that hold the documents together: no invoice line without its invoice, no invoice
// number on two invoices, no key on two rows of a table.

#include "receivables/bookcheck/bookdiscrepancy.h"

class Database;

// Each is one aggregate query per table. Raise DbError.
BookDiscrepancies checkOrphanLines(Database& db);
BookDiscrepancies checkDuplicateInvoiceNumbers(Database& db);
// Over the customers, balances, items, invoices, invoice lines, payments and their
// applications; the unique indexes should make this impossible, so a hit means one was lost.
BookDiscrepancies checkDuplicateKeys(Database& db);

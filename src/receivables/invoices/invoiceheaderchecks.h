#pragma once
// The checks an invoice header passes before it is stored, in their order.

class Database;
struct InvoiceHeader;
namespace invoicelookup
{
struct RunLookups;
}

// Refuses (InvoiceRefusal, with the field to go back to) the first of: no customer; no fiscal
// year defined for the organization; no lines; a customer or a location that no longer exists;
// then a missing invoice number, date, period or year. A posted invoice is not checked.
void checkHeaderBeforeStore(Database& db, const InvoiceHeader& header, int lineCount,
                            invoicelookup::RunLookups* run = nullptr);

#pragma once
// Saving a customer: the checks in the order the bookkeeper meets them, then one write.

#include "masterdata/customers/customerrecord.h"
#include "masterdata/customers/customerrefusal.h"

class Database;

// The refusal of a new currency for a stored customer that has invoices; nothing when the
// currency may change (a new customer, the same currency, or no invoices).
CustomerCheck currencyChangeRefusal(Database& db, const CustomerRecord& record,
                                    qint64 newCurrencyId);
// The first thing wrong with the record, checked in this order: number, name, currency chosen,
// salesman and customer type still there, currency still there, number not another customer's.
CustomerCheck checkCustomer(Database& db, const CustomerRecord& record);
// Checks and writes the record in one transaction; nothing is written when refused. A new
// customer stays new until it is written. Engine failures other than a duplicate number raise
// DbError.
CustomerCheck saveCustomer(Database& db, CustomerRecord& record);

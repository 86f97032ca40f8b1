#pragma once
// Every customer's running balance (CBalance) against what its posted invoices still owe.
// Posting a payment keeps the two equal: the balance falls by what its lines paid, discounted
// and wrote off, and each invoice's Owing by its line's share, as long as the lines pay posted
// invoices of the payment's own customer (paymentapplicationcheck.h proves that they do).

#include "receivables/bookcheck/bookdiscrepancy.h"

class Database;

// A customer with posted invoices must have a balance row equal to the sum of their Owing; a
// balance row of a customer without posted invoices must be 0, and no posted invoice may owe
// without a customer. Reads CBalance, the posted
// invoices summed per customer and the customer numbers, each in one pass. Raises DbError.
BookDiscrepancies checkCustomerBalances(Database& db, const FormatSettings& settings);

#pragma once
// What posted payments did to the invoices: only payment posting changes an invoice's paid,
// discount and write-off amounts, so each must be the sum over the invoice's allocation lines
// of posted payments; the lines of payments not yet posted count for nothing. A balance reset
// may have written off a posted invoice's pledges beyond that (a notice, not a discrepancy).

#include "receivables/bookcheck/bookdiscrepancy.h"

class Database;

// Every invoice's PaidAmount, DiscTakenAmount and WriteOffAmount against its posted payments'
// lines (empty amounts count as 0), and every posted payment's line against the invoice it
// pays: a posted invoice of the payment's own customer, or the customer's balance no longer
// equals what its posted invoices owe. One aggregate query each; raises DbError.
BookDiscrepancies checkPaymentApplications(Database& db, const FormatSettings& settings);

#pragma once
// Every invoice's amount against its lines and taxes, and its Owing against its amount.

#include "receivables/bookcheck/bookdiscrepancy.h"

class Database;

// InvoiceAmount must be the sum of the lines, each rounded to cents, plus the two taxes taken
// from the taxable buckets of those lines as the invoice document takes them; Owing must be the
// amount less PaidAmount, DiscTakenAmount and WriteOffAmount, or less than that after a balance
// reset cleared it (a notice, not a discrepancy). Reads ARInvDet and then ARInv,
// each in one pass in key order. Raises DbError.
BookDiscrepancies checkInvoiceAmounts(Database& db, const FormatSettings& settings);

#pragma once
// The control tables' next-number counters against the numbers and keys already drawn.

#include "receivables/bookcheck/bookdiscrepancy.h"

class Database;

// The next number or key each counter would give (by the rule that draws from it) must be above
// every one in use, or the next document drawn would take one that is already taken: invoice
// keys and numbers (ARInvCtl), customer keys (CustCtl), item keys (ItemCtl) and payment keys
// (ARPmtCtl). A control table must hold one row. One aggregate query per table; raises DbError.
BookDiscrepancies checkControlCounters(Database& db);

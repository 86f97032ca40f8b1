#pragma once
// The checks a payment header passes before it is stored, in their order, with the two
// questions among them.

#include "common/money.h"

class Database;
class Dialogs;
struct PaymentHeader;

// Refuses (PaymentRefusal, with the field to go back to) the first of: no bank; no customer (or
// one that no longer exists); a bank that no longer exists or one of another currency than the
// customer's; no date; no fiscal year defined for the organization; no year; a year before the
// fiscal year; no period; a period outside the allowed range. A period outside the expected
// range is then accepted only after OK on the warning. No lines are refused. An empty cheque
// amount asks whether the allocated sum is the amount: Yes fills it in and abandons the store
// (PaymentAbandoned) for the bookkeeper to confirm, No abandons it on the amount box. A cheque
// amount that differs from the allocated sum is refused, and last an empty cheque number. A
// posted payment is not checked.
void checkPaymentBeforeStore(Database& db, Dialogs& dialogs, PaymentHeader& header, int lineCount,
                             Money allocated);

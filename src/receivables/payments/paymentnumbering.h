#pragma once
// The key of a new payment, drawn from the one row of ARPmtCtl.

#include <QtGlobal>

class Database;

// Takes PaymentID from NextPaymentID (an empty counter counts as 0) and stores the counter plus
// one, in one short write transaction that holds the table exclusively, so two workstations
// never draw the same key. A drawn key is never given back: a payment that is cancelled leaves
// a gap. Raises DbError when the counter cannot be read or stored; nothing is drawn then.
qint64 drawPaymentId(Database& db);

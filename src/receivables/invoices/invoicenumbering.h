#pragma once
// The key and the number of a new invoice, drawn from the one row of ARInvCtl.

#include <QString>
#include <optional>

class Database;

struct InvoiceKeys {
    qint64 invoiceId = 0;
    QString invoiceNo;
};

// Invoice numbers run from 1001 to 10,000,000; a counter outside that range (an empty one
// included) starts again at 10001.
qint64 usableInvoiceNumber(std::optional<qint64> counter);

// Takes ARInvoiceID from NextInvoiceID (an empty counter counts as 0) and InvoiceNo from
// NextInvoiceNo, and stores both counters plus one, in one short write transaction that holds
// the table exclusively, so two workstations never draw the same key or number. A drawn
// number is never given back: an invoice that is cancelled leaves a gap. Raises DbError when
// the counters cannot be read or stored; nothing is drawn then.
InvoiceKeys drawInvoiceKeys(Database& db);

#pragma once
// Deleting a payment from the register: refused on a posted payment, asked first, and refused
// again when the payment was posted while the question was open. The allocation lines and the
// cheque go together in one transaction, and only while the cheque is still unposted, so a
// payment never loses its lines without going itself. No invoice or balance changes: only
// posting applies allocations.

#include "receivables/listing/deleteoutcome.h"

#include <QtGlobal>

class Database;
class Dialogs;

DeleteOutcome deletePayment(Database& db, Dialogs& dialogs, qint64 paymentId);

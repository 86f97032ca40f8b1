#pragma once
// Reading a payment with its allocation lines, and writing it back as one unit: the header and
// every line in one transaction, so no failure leaves lines that disagree with the cheque.

#include "receivables/payments/paymentheader.h"
#include "receivables/storeddocument.h"

using StoredPayment = StoredDocument<PaymentHeader, PaymentLine>;

namespace paymentstore
{
// The payment with this key, or nothing when there is none.
std::optional<StoredPayment> load(Database& db, qint64 paymentId);
// The highest line number stored for the payment; 0 when it has no lines.
int maxStoredSeq(Database& db, qint64 paymentId);
// Stores the header (a new row, or the existing one) and replaces the payment's stored lines
// with these, in one transaction. Refused, with nothing written: a payment that another
// workstation posted in the meantime (the posted-payment message) or deleted ("This payment was
// deleted by another user; it was not saved."), and a line granting a discount or a write-off
// on an invoice whose Owing no longer equals what the line settles (another workstation posted
// a payment on it since the line was stored here). Engine failures raise DbError and leave the
// database as it was.
void write(Database& db, const PaymentHeader& header, const QList<PaymentLine>& lines,
           bool newHeader);
} // namespace paymentstore

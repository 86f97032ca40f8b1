#pragma once
// The register's Reconciled command: the cheque has been seen on the bank statement. It is
// stored at once and changes nothing else of the payment, posted or not (reconciling is the
// bank's side of a cheque, not its posting).

#include <QtGlobal>
#include <optional>

class Database;

// Sets Reconciled; false when the payment is gone.
bool setReconciled(Database& db, qint64 paymentId, bool reconciled);
// Flips Reconciled as stored now; the new value, or none when the payment is gone.
std::optional<bool> toggleReconciled(Database& db, qint64 paymentId);

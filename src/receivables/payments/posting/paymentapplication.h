#pragma once
// What posting a payment does to the invoices it pays, worked out before anything is written:
// each allocation line adds its payment, discount and write-off to its invoice, and the invoice
// then owes that much less than it did (a balance reset may have cleared what it owed, which
// a later payment must not bring back).
//
// A line with a discount or a write-off was accepted only because it settled its invoice
// exactly, against what the invoice owed when the payment was entered. If another payment was
// posted on that invoice since, the line would now grant a discount or write off money that is
// no longer owed. Such a payment is held back whole, unposted, for the bookkeeper to correct;
// payments without discount or write-off may overpay, leaving the invoice owing less than 0.

#include "common/money.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace paymentposting
{

// An invoice as the payments of a block leave it, one after the other.
struct InvoiceStanding {
    QString invoiceNo;
    Money owing;
};

// One allocation line of a payment whose invoice exists; empty amounts are 0.
struct AllocationLine {
    qint64 arInvoiceId = 0;
    Money payment;
    Money discTaken;
    Money writeOff;
    Money total() const { return payment + discTaken + writeOff; }
    // A discount or a write-off: the line must leave its invoice owing exactly 0.
    bool mustSettle() const { return !discTaken.isZero() || !writeOff.isZero(); }
};

// A payment posting left unposted, and the invoice its discount or write-off no longer settles.
struct HeldBackPayment {
    qint64 paymentId = 0;
    QString chequeNo;
    QString invoiceNo;
    bool operator==(const HeldBackPayment&) const = default;
};

// Applies a payment's lines (in line order) to `invoices`, which holds every invoice they pay.
// Returns the number of the first invoice a discount or write-off no longer settles, leaving
// `invoices` untouched; otherwise the invoices are changed and nothing is returned.
std::optional<QString> applyPayment(QHash<qint64, InvoiceStanding>& invoices,
                                    const QList<AllocationLine>& lines);

// The one message a pass shows for the payments it held back, naming each cheque and invoice.
QString heldBackText(const QList<HeldBackPayment>& heldBack);

} // namespace paymentposting

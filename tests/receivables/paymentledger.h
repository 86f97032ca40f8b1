#pragma once
// Payments for posting tests, made straight into ARPmt and ARInvPmt on top of the posting
// ledger (postingfixture.h): posted invoices to pay, cheques with their allocation lines, and
// what an invoice holds after posting.

#include "postingfixture.h"

#include <QList>
#include <optional>

namespace paymentledger
{
using namespace postingfixture;

// The posting ledger with ARPmt and ARInvPmt.
void create(Database& db);
// A fresh database on `engine` holding that ledger, whose lock waits give up quickly.
std::unique_ptr<Database> freshPaymentLedger(const QString& engine);
// A posted invoice owing its whole amount, counted in its customer's balance when
// `inBalance` (a missing balance row is made).
void addPostedInvoice(Database& db, qint64 id, qint64 customerId, Money amount,
                      bool inBalance = true);

// One allocation line; an amount left empty is stored empty.
struct Line {
    qint64 invoiceId;
    std::optional<Money> payment;
    std::optional<Money> discTaken = std::nullopt;
    std::optional<Money> writeOff = std::nullopt;
};
// A cheque numbered "C<id>" of `customerId`, its lines numbered 1, 2, ... in the order given;
// its amount is what the lines pay.
void addPayment(Database& db, qint64 paymentId, qint64 customerId, const QList<Line>& lines,
                bool posted = false);

// `payments` unposted payments, payment n of customer 1 + n % customers, over posted invoices
// made for them and counted in the balances: each pays one to three invoices of its own, in
// full, in part, with a discount or with a write-off that settles them; no invoice is paid
// twice. Keys of both count from 1; one transaction.
void addPaymentLedger(Database& db, int payments, int customers);
// Every payment unposted again and every invoice unpaid, the balances as the posted invoices.
void unpostPayments(Database& db);

// What an invoice holds: paid, discount, write-off and owing.
struct InvoicePaid {
    Money paid;
    Money discTaken;
    Money writeOff;
    Money owing;
    bool operator==(const InvoicePaid&) const = default;
};
InvoicePaid invoicePaid(Database& db, qint64 invoiceId);
// The keys of the posted payments, in order.
QList<qint64> postedPayments(Database& db);
// What the book check finds wrong with the balances and the posted payments' invoices.
QStringList untiedBooks(Database& db);
} // namespace paymentledger

// Shown when a comparison fails.
char* toString(const paymentledger::InvoicePaid& paid);

#pragma once
// Posting a block of payments as one unit: each payment still unposted is marked posted, its
// allocation lines are added to the invoices they pay (a line whose invoice is gone changes
// nothing), and its customer's balance falls by what the lines paid, discounted and wrote off
// (a customer without a balance row gets one), all in one transaction. A payment another
// workstation posted meanwhile is left alone, so it is never applied twice. A payment whose
// discount or write-off no longer settles its invoice is held back (paymentapplication.h).
//
// When the engine refuses the block, the block is undone and posted again payment by payment,
// each in a transaction of its own, up to the refused payment: the payments before it stay
// posted with their invoices and balances, the refused one and those after it stay unposted,
// and the refusal is raised.

#include "common/money.h"
#include "receivables/payments/posting/paymentapplication.h"

#include <QList>
#include <span>

class Database;

namespace paymentposting
{

struct PaymentTally {
    int payments = 0;
    Money amount; // what the balances fell by: payments, discounts and write-offs
    QList<HeldBackPayment> heldBack;
    PaymentTally& operator+=(const PaymentTally& other)
    {
        payments += other.payments;
        amount += other.amount;
        heldBack += other.heldBack;
        return *this;
    }
};

class PaymentPostingWriter
{
public:
    // Blocks of up to this many payments go in one transaction, each statement naming them all.
    static constexpr int kBlockSize = 500;

    explicit PaymentPostingWriter(Database& db) : db_(db) {}
    // Posts a block of at most kBlockSize payments, in key order, and adds what it posted and
    // held back to `tally`, also what it kept before a refusal; see above for a refusal.
    void post(std::span<const qint64> keys, PaymentTally& tally);

private:
    PaymentTally postBlock(std::span<const qint64> keys, int statementSize);

    Database& db_;
};

} // namespace paymentposting

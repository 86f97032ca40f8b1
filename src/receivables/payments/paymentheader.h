#pragma once
// A customer payment (a cheque) as the payment document holds it: its header (ARPmt) and its
// allocation lines (ARInvPmt), each applying part of the cheque to one posted invoice. Empty
// fields are empty optionals or empty text.

#include "common/money.h"

#include <QDate>
#include <QString>
#include <optional>

struct PaymentHeader {
    qint64 paymentId = 0;
    QString chequeNo;
    std::optional<qint64> customerId;
    std::optional<qint64> bankId;
    QDate paymentDate; // invalid while empty
    std::optional<int> glPeriod;
    std::optional<int> glYear;
    std::optional<Money> chequeAmount; // empty: taken from the allocations once confirmed
    bool posted = false;
    bool reconciled = false;
    bool operator==(const PaymentHeader&) const = default;
};

struct PaymentLine {
    int seq = 0; // the line number within the payment; 0 until the line is first stored
    std::optional<qint64> arInvoiceId;
    std::optional<Money> paymentAmount;
    std::optional<Money> discTakenAmount;
    std::optional<Money> writeOffAmount;
    std::optional<qint64> writeOffGLAccountId;
    // What the line takes off the invoice's Owing: paid, discount and write-off (empty as 0).
    Money settledAmount() const;
    // A discount or a write-off is granted only on a line that settles the invoice.
    bool grantsDiscountOrWriteOff() const;
    bool operator==(const PaymentLine&) const = default;
};

// The invoice a line pays, as the line shows it and its checks read it. Owing is the amount
// owing as stored, before this payment.
struct AllocatedInvoice {
    qint64 arInvoiceId = 0;
    qint64 customerId = 0;
    QString invoiceNo;
    QDate invoiceDate;
    Money invoiceAmount;
    Money owing;
    double discPC = 0;
    int discDays = 0;
    bool posted = false;
    // The early-payment discount: DiscPC % of the invoice amount rounded to cents; empty when
    // the invoice has no discount.
    std::optional<Money> discountAmount() const;
    // InvoiceDate + DiscDays; invalid when the invoice has no discount.
    QDate discountDate() const;
};

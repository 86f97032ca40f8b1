#pragma once
// A change or a store that the payment rules refuse. It carries the message exactly as the
// bookkeeper reads it and the place of the payment window the cursor goes back to; the payment
// keeps its values so the change can be corrected or undone with Esc.

#include <QString>
#include <stdexcept>

// The places of the payment window a refusal points at.
enum class PaymentField {
    None,
    CustomerNo, // the customer number box (the customer drop-down beside it)
    Bank,
    ChequeNo,
    PaymentDate,
    Period, // GLPeriod
    Year,   // GLYear
    ChequeAmount,
    Lines, // the allocation grid as a whole
    InvoiceColumn,
    PaymentColumn,
    DiscountColumn,
    WriteOffColumn,
    WriteOffAccountColumn, // "W/O GL Acct."
    AccountNameColumn,     // "Name"
};

class PaymentRefusal : public std::runtime_error
{
public:
    explicit PaymentRefusal(const QString& message, PaymentField focus = PaymentField::None)
        : std::runtime_error(message.toStdString()), message_(message), focus_(focus)
    {
    }
    QString message() const { return message_; }
    PaymentField focus() const { return focus_; }

private:
    QString message_;
    PaymentField focus_;
};

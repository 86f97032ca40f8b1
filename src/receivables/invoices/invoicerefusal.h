#pragma once
// A change or a store that the invoice rules refuse. It carries the message exactly as the
// bookkeeper reads it and the field the screen puts the cursor in afterwards; the record keeps
// its values so the change can be corrected or undone with Esc.

#include <QString>
#include <stdexcept>

// The places of the invoice window a refusal points at.
enum class InvoiceField {
    None,
    CustomerNo, // the customer number box (the customer drop-down beside it)
    InvoiceNo,
    InvoiceDate,
    Period, // GLPeriod
    Year,   // GLYear
    Location,
    Lines, // the line grid as a whole
    QuantityColumn,
    ItemColumn,
    OverrideDescriptionColumn,
    UnitPriceColumn,
};

class InvoiceRefusal : public std::runtime_error
{
public:
    explicit InvoiceRefusal(const QString& message, InvoiceField focus = InvoiceField::None)
        : std::runtime_error(message.toStdString()), message_(message), focus_(focus)
    {
    }
    QString message() const { return message_; }
    InvoiceField focus() const { return focus_; }

private:
    QString message_;
    InvoiceField focus_;
};

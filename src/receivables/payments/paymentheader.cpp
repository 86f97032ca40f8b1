#include "receivables/payments/paymentheader.h"

std::optional<Money> AllocatedInvoice::discountAmount() const
{
    if (discPC == 0)
        return std::nullopt;
    return Money::percentOf(invoiceAmount, discPC);
}

QDate AllocatedInvoice::discountDate() const
{
    if (discPC == 0 || !invoiceDate.isValid())
        return {};
    return invoiceDate.addDays(discDays);
}

Money PaymentLine::settledAmount() const
{
    return paymentAmount.value_or(Money()) + discTakenAmount.value_or(Money()) +
           writeOffAmount.value_or(Money());
}

bool PaymentLine::grantsDiscountOrWriteOff() const
{
    return !discTakenAmount.value_or(Money()).isZero() ||
           !writeOffAmount.value_or(Money()).isZero();
}

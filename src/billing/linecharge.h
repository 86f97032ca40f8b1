#pragma once
// What one generated line charges: quantity × unit price, exact to the ten-thousandth. The run
// decides with it whether a pair is invoiced and sums it into the history entries' amounts.
// The stored invoice rounds each line to cents (InvoiceLine::extAmount), so an invoice of
// prices with fractions of a cent may total a cent or so apart from these sums.

#include "common/money.h"

namespace billing
{

inline Money lineCharge(qint64 quantity, Money unitPrice)
{
    return unitPrice.times(quantity);
}

} // namespace billing

// The one money rounding rule of the ledger. Line amounts, taxes, discounts and currency
// conversions are rounded to cents as RoundIt(amount * 100) / 100, so every screen, posting
// and report arrives at the same cent.
#pragma once

// x rounded to a whole number, half away from zero, after a first rounding at the seventh
// decimal that removes floating-point noise (2.4999999999, meant as 2.5, gives 3). Should that
// first rounding overflow, x is rounded as it is.
long double RoundIt(long double x);

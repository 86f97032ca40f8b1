#include "receivables/invoices/invoicelines.h"

#include <cmath>

std::optional<Money> InvoiceLine::extAmount() const
{
    if (!quantity || !unitPrice)
        return std::nullopt;
    return Money::lineAmount(*quantity, *unitPrice);
}

bool lineAmountFits(std::optional<double> quantity, std::optional<Money> unitPrice)
{
    constexpr long double kLimitRaw = 1e12L * Money::kScale;
    if (!quantity || !unitPrice)
        return !quantity || std::isfinite(*quantity);
    const long double raw = static_cast<long double>(*quantity) * unitPrice->raw();
    return std::isfinite(raw) && std::fabs(raw) <= kLimitRaw;
}

#pragma once
// The customer's terms as the invoice window shows them under the address.

#include <QString>
#include <optional>

// "Terms: C.O.D." for cash on delivery; otherwise "Terms: 2% 10   Net 30" with a discount and
// "Terms: Net 30" without one. Empty days read as 0.
QString invoiceTermsText(std::optional<bool> cod, std::optional<double> discountPercent,
                         std::optional<int> discountDays, std::optional<int> netDays);

#pragma once
// One line of an invoice (ARInvDet) and its amount.

#include "common/money.h"

#include <QString>
#include <optional>

struct InvoiceLine {
    int seq = 0; // the line number within the invoice; 0 until the line is first stored
    std::optional<double> quantity;
    std::optional<qint64> itemId;
    std::optional<Money> unitPrice;
    QString taxCodes;   // up to three one-letter tax codes, copied from the item
    QString itemOvDesc; // the description printed instead of the item's

    // Quantity × unit price rounded to cents, half away from zero; empty while either is empty.
    std::optional<Money> extAmount() const;
    // The amount as it counts in the totals: an empty amount counts as 0.
    Money amountForTotals() const { return extAmount().value_or(Money()); }

    bool operator==(const InvoiceLine&) const = default;
};

// Whether quantity × unit price stays within what an invoice can total (a thousand billion
// currency units per line), so that no sum of lines can overflow.
bool lineAmountFits(std::optional<double> quantity, std::optional<Money> unitPrice);

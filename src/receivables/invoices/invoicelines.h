#pragma once
// One line of an invoice (ARInvDet) and the columns of the line grid, whose current column
// decides how an item chosen for the line is checked.

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

// The line grid's columns in their order. None stands for a line filled by a program (invoice
// generation), where no column is current.
enum class LineColumn { Quantity, Item, OverrideDescription, Description, UnitPrice, Amount, None };

// Whether quantity × unit price stays within what an invoice can total (a thousand billion
// currency units per line), so that no sum of lines can overflow.
bool lineAmountFits(std::optional<double> quantity, std::optional<Money> unitPrice);

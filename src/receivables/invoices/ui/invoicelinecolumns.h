#pragma once
// The columns of the invoice's line grid, in their order. The column an item is chosen in
// decides which of the document's item checks it meets.

#include <QtGlobal>
#include <optional>

class InvoiceDocument;

enum class LineColumn { Quantity, Item, OverrideDescription, Description, UnitPrice, Amount };

// Puts the item on the line being changed as chosen in `column`: in the Item column a missing or
// suspended item is refused, in the Override Description column a suspended one; in any other
// column it is checked only when the line is stored. No item clears it.
void setLineItemInColumn(InvoiceDocument& document, std::optional<qint64> itemId,
                         LineColumn column);

#pragma once
// The statements of item synchronization, written once for both engines. An AR item belongs to
// a host item when its number, read as a whole number, is the host's; a pledge item when its
// number is "P" followed by the host's.

#include <QString>

class Dialect;

namespace itemsql
{
// Known items (and pledge items) whose description or price differs from the host's take the
// host's name, price and meal kind: B 1, L 2, D 3, MF 4, SF 5 and any other code 6.
QString updateItemFromItems(const Dialect& dialect);
QString updatePledgeItemFromItems(const Dialect& dialect);
// The host items without an item (without a pledge item), their price in ten-thousandths.
QString itemsNotItem(const Dialect& dialect);
QString itemsNotPledgeItem(const Dialect& dialect);
} // namespace itemsql

#pragma once
// Keys for new customers and items, drawn from the control tables in one short write each, so
// that other workstations drawing keys meanwhile get keys after the block.

#include <QtGlobal>

class Database;

// Moves the customer counter past the highest customer key in use, when it is not already.
// A missing counter counts as 0, so an empty table gets 1.
void repairCustomerCounter(Database& db);

// Reserves a block for `count` new customers: the first key is the counter (1 when it is
// empty) and, when there is anything to add, the counter moves on by count + 1 (one key of the
// block is never given out). `first` is set as soon as the counter has been read, so a caller
// that goes on after a failed write still has the keys it would have drawn. Raises DbError.
void reserveCustomerIds(Database& db, qint64 count, qint64& first);

// The same for items: the first key is the counter (0 when it is empty), and the counter always
// moves on by count + 1, even when there is nothing to add.
void reserveItemIds(Database& db, qint64 count, qint64& first);

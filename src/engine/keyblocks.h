#pragma once
// Reading and writing many rows a block at a time: a block's keys go into one statement as
// an IN list of bound parameters. The list always has the block's full length, filled up with
// the last key again, so every block of a run uses one prepared statement.

#include <QString>
#include <span>

class Statement;

namespace sql
{
// "?, ?, ?" for `size` parameters.
QString keyPlaceholders(int size);
// Binds the keys to positions `first` onwards and repeats the last key up to `size` of them.
void bindKeyBlock(Statement& statement, std::span<const qint64> keys, int size, int first = 0);
} // namespace sql

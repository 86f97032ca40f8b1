#pragma once
// The one text of an INSERT: rows of values for the named columns, every value a positional
// parameter ("INSERT INTO t (a, b) VALUES (?, ?), (?, ?)"). Single rows, batches and the
// synchronizations' passes all write through it.

#include <QString>
#include <QStringList>

namespace sql
{
QString insertRows(const QString& table, const QStringList& columns, int rows);
} // namespace sql

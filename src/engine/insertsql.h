#pragma once
// The one text of an INSERT: rows of values for the named columns, every value a parameter named
// by its position ("INSERT INTO t (a, b) VALUES (:p1, :p2), (:p3, :p4)"). Single rows, batches
// and the synchronizations' passes all write through it. Values are bound by those names: the
// driver then finds each without building its name afresh, as it does for "?".

#include <QString>
#include <QStringList>

namespace sql
{
QString insertRows(const QString& table, const QStringList& columns, int rows);
// The name of the parameter at a position, counted from 0: ":p1" for 0.
QString placeholder(int position);
} // namespace sql

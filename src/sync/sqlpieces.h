#pragma once
// Pieces of SQL text that the synchronization statements share, the same on both engines.

#include <QString>

struct TableDef;

namespace syncsql
{
// A text expression as an AR field stores it: cut to the field's size, empty text as NULL.
QString fitted(const TableDef& table, const QString& field, const QString& expr);
// True when the text is NULL or empty; the host does not tell the two apart.
QString isBlank(const QString& expr);
// A host code with its trailing blanks dropped ("L " compares as "L").
QString code(const QString& expr);
} // namespace syncsql

#pragma once
// Writes rows the way the tables were designed to be written: text longer than its field is cut
// to the field's size, and empty text is stored as NULL, on both engines alike.

#include "engine/tabledef.h"

#include <QVariantMap>

class Database;

namespace records
{
// The value as the field stores it.
QVariant fitToField(const FieldDef& field, const QVariant& value);
// Inserts one row; fields not named stay NULL. A duplicate key raises DbError 9729.
void insert(Database& db, const TableDef& table, const QVariantMap& values);
// Sets the named fields on the rows the condition selects (parameters named in `where`).
int update(Database& db, const TableDef& table, const QVariantMap& values, const QString& where,
           const QVariantMap& whereParams = {});
} // namespace records

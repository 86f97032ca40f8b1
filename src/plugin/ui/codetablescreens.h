#pragma once
// The code tables' list screens as the console keeps them: one per table and process, found by
// name, scaled by the font factor like every screen, and their record screens too.

#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;
namespace codetables
{
struct CodeTable;
}

// Opens (or brings forward) the table's list screen, positioned on `key` when given.
QWidget* openCodeTableList(const codetables::CodeTable& table,
                           std::optional<qint64> key = std::nullopt);
// The item list is shown unfiltered whenever the console opens it.
void openItemList();
// The list of the code table stored in `table` ("Currency", "Tax", "CusType"...), positioned
// on `key` when it is not 0; nothing for a table that is not a code table.
void openCodeTableNamed(const QString& table, qint64 key);

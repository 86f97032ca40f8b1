#pragma once
// Deleting a row of a code table: system rows are refused before anything is asked, the user
// confirms, and a row that other tables still refer to stays. A referring table that this
// database does not have holds no rows, so it guards nothing.

#include "masterdata/codetables/codetable.h"

#include <optional>

class Database;
class Dialogs;

namespace codetables
{

// Why the row must stay, worded for the user; nothing when it may go.
std::optional<QString> systemRowRefusal(const CodeTable& table, qint64 key);
std::optional<QString> guardRefusal(Database& db, const CodeTable& table, qint64 key,
                                    const QString& name);

// Deletes the row and the rows that go with it, in one transaction.
void deleteRow(Database& db, const CodeTable& table, qint64 key);

// The whole delete as the list screen runs it. Returns whether the row was deleted; a refusal
// is shown, a declined question ends it quietly.
bool deleteWithConfirmation(Database& db, Dialogs& dialogs, const CodeTable& table, qint64 key,
                            const QString& name);

} // namespace codetables

#pragma once
// Clearing what is owed at year end. Options that clear set Owing of the chosen invoices
// (posted and unposted alike) and the chosen customers' balances to 0, leaving the invoice's
// amount, paid, discount and write-off as they were; the pledge write-off writes off, on each
// posted invoice without an earlier write-off, its pledge lines up to what it owes, and then
// gives every customer with posted invoices and a balance row the sum of what they owe.
// Every reset is one transaction: it changes everything it should or nothing.

#include "close/resetchoices.h"

#include <QtGlobal>
#include <optional>

class Database;
class Dialogs;

// Runs one reset; `customerId` names the customer of SelectedAccount and is needed only there.
// Raises DbError when the engine refuses, with nothing changed.
void resetBalances(Database& db, ResetChoice choice, std::optional<qint64> customerId = {});

enum class ResetOutcome { Declined, Reset, Refused };

// What the screen and the command line do: ask first; on Yes reset and say so, or show the
// engine's own message when it refuses.
ResetOutcome confirmAndResetBalances(Database& db, Dialogs& dialogs, ResetChoice choice,
                                     std::optional<qint64> customerId = {});

#pragma once
// What the book-keeping commands do alike around their own work: refusing wrong words with the
// usage, opening the books, and turning the customer or the one document a number names, and a
// register deletion's outcome, into messages and exit statuses.

#include "receivables/listing/deleteoutcome.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Dialogs;
class TDataModuleARSystem;
struct CliContext;

// Prints what is wrong with the words and the command's usage; the exit status 2.
int refuseWords(CliContext& context, const QString& wrong, const char* usage);
// Where printed pages go: --pdf FILE or an existing --printer NAME. The exit status (2 when
// neither is named, 1 for a printer this machine does not have) with its message, or nothing
// when the destination will do. `what` says what goes there ("the invoices go").
std::optional<int> refuseDestination(CliContext& context, const QString& pdf,
                                     const QString& printer, const QString& what);
// Opens the books with these dialogs and runs `work` on them. When the creation sequence failed
// its error is already on standard error and the command ends with 1.
int withBooks(Dialogs& dialogs, const std::function<int(TDataModuleARSystem&)>& work);
// The customer with exactly this CustomerNo; the register's message when there is none.
std::optional<qint64> customerNamed(Database& db, const QString& customerNo, CliContext& context);
// The one key of `ids`, the documents a number names; `none` when there is none, `many` of how
// many when there are several.
std::optional<qint64> onlyOneNamed(const QList<qint64>& ids, CliContext& context,
                                   const QString& none,
                                   const std::function<QString(qsizetype count)>& many);
// A register deletion's exit status; "Nothing was deleted." when the bookkeeper said no, `gone`
// when the document was deleted elsewhere meanwhile. A refusal was shown by the register itself.
int deletionExit(DeleteOutcome outcome, CliContext& context, const QString& gone);

#pragma once
// Proves that the books tie: balances against invoices, invoices against their lines, the keys
// and numbers that hold the documents together, and the counters they are drawn from. Each
// check reads a table in one pass (an aggregate query or one read in key order), so the whole
// check stays quick on a large ledger and over a server connection.

#include "common/formatsettings.h"
#include "receivables/bookcheck/bookdiscrepancy.h"

#include <QStringList>
#include <functional>

class Database;

struct BookCheck {
    QString name;       // what it proves, for a progress caption
    QStringList tables; // every table it reads
    std::function<BookDiscrepancies(Database&, const FormatSettings&)> run;
};

// Every check, in the order they run; a document kind that brings its own tables (payments)
// adds its checks here.
const QList<BookCheck>& bookChecks();

// Every table the checks read, in the checks' order.
QStringList bookTables();
// The tables the checks read that the database does not hold, in the checks' order. All of
// them on a database whose AR tables were never created: it holds no books yet.
QStringList missingBookTables(Database& db);

// Runs every check and gives all that does not tie, in the checks' order, with the notices of
// what balance resets did (failuresOf leaves them out); empty when the books tie untouched. A
// missing table is a discrepancy of its own, and the checks that read it are left out. Only reads,
// all in one read transaction that sees one committed state, so an invoice written meanwhile by
// another workstation cannot be half seen. Raises DbError when the engine fails.
BookDiscrepancies checkBooks(Database& db,
                             const FormatSettings& settings = currentFormatSettings());
// The same with the checks given.
BookDiscrepancies checkBooks(Database& db, const FormatSettings& settings,
                             const QList<BookCheck>& checks);

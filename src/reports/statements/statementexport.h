#pragma once
// The statement export without widgets: OK on "Export Statements to Mail-Merge File", the
// command line's `tallywick export statements` and the tests run the same export.

#include "reports/statements/statementexportreader.h"

#include <QString>

class Database;
class Dialogs;
class FormatSettings;
class Progress;

namespace statements
{

inline const QString kNoStatements =
    QStringLiteral("There are no statements to export for that time period!");
inline const QString kExportFinished = QStringLiteral("Finished creating the mail-merge file.");
inline const QString kExportCaption = QStringLiteral("Exporting Statement data...");
// Invoice groups per customer line.
constexpr int kMinStatements = 1;
constexpr int kMaxStatements = 24;

struct StatementExportOptions {
    QString fileName;
    CustomerKind kind = CustomerKind::Both;
    int maxStatements = 1;
    QString statementDescription; // for an invoice without a description
};

// Writes the file and returns how many customers it holds. With no customer to export the file
// is made empty and the bookkeeper told so. The file appears whole or not at all: one that
// cannot be written, or a read that fails on the way, raises std::runtime_error and leaves
// whatever was at the name before untouched.
int exportStatements(Database& db, const StatementExportOptions& options, Dialogs& dialogs,
                     Progress& progress, const FormatSettings& settings);
int exportStatements(Database& db, const StatementExportOptions& options, Dialogs& dialogs,
                     Progress& progress);

} // namespace statements

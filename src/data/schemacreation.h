#pragma once
// Every start of the AR module brings each AR table to its declaration, upgrades older layouts
// keeping their rows, and seeds the tables that must not be empty.

#include <QStringList>

class Database;
class Dialogs;
struct TableDef;

struct SchemaReport {
    QStringList created;
    QStringList upgraded;
    QStringList notUpgraded;    // the engine could not restructure them; they keep their layout
    QStringList whyNotUpgraded; // the engine's message for each of them, in the same order
    QStringList seeded;
    QString error; // the error that ended the sequence early, empty when it ran to the end
};

// Creates the table when it does not exist, otherwise upgrades it when its stored layout
// differs (a failed upgrade is swallowed and the table keeps its layout; its message is kept in
// the report and traced to tallywick.schema, since it is not shown). With ensureFirstRow,
// an empty table gets one row with every field empty.
void CreateOrUpdateTable(Database& db, const TableDef& table, bool ensureFirstRow,
                         SchemaReport& report);

// The whole start-up sequence, in its fixed order. An error ends it: its text is shown through
// `dialogs`, kept in the report, and the steps after it are skipped.
SchemaReport createOrUpgradeSchema(Database& db, Dialogs& dialogs);

// The connection's report-parameters work table (delivery date, services, routes).
inline const QString kReportParametersTable = QStringLiteral("MemTableARReportParameters");
void createReportParametersTable(Database& db);
void dropReportParametersTable(Database& db);

#pragma once
// The export screen's remembered choices, kept in Hearthtable.ini under "ExportARStatements",
// and the period it shows (kept consistent, restricting nothing, and not remembered).

#include "reports/statements/statementexport.h"

#include <QDate>

class ScreenSettings;

namespace statements
{

struct StatementExportChoices {
    StatementExportOptions options;
    // "Tab-Delimited mail-merge" (0) or "Excel" (1); shown but not offered: the file is always
    // tab-delimited text.
    int exportType = 1;
};

// Missing or unusable values read as the defaults: no file, no description, clients and
// funders, one statement, the second export type.
StatementExportChoices readStatementExportChoices(const ScreenSettings& settings);
void writeStatementExportChoices(ScreenSettings& settings, const StatementExportChoices& choices);

struct ExportPeriod {
    QDate start;
    QDate end;
};
// Last month, and the eleven before it: on 5 December 2026, 1 November 2025 to 30 November 2026.
ExportPeriod defaultExportPeriod(QDate today);

} // namespace statements

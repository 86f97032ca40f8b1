#pragma once
// The reports `tallywick report NAME ...` prints, one function each. Each runs with the books
// open and the request read and resolved; it prints and says what it printed, and returns the
// exit code.
#include "cli/reportrequest.h"

class TDataModuleARSystem;
struct CliContext;

using ReportRun = int (*)(TDataModuleARSystem& module, const ReportRequest& request,
                          CliContext& context);

int printAgedReport(TDataModuleARSystem& module, const ReportRequest& request, CliContext& context);
int printHistoryReport(TDataModuleARSystem& module, const ReportRequest& request,
                       CliContext& context);
// tallywick report statements: one statement per customer that owes.
int printStatementsReport(TDataModuleARSystem& module, const ReportRequest& request,
                          CliContext& context);
// tallywick report labels: the statements' address labels with the user's label template.
int printStatementLabelsReport(TDataModuleARSystem& module, const ReportRequest& request,
                               CliContext& context);
// tallywick report unbilled: the unbilled meal credits of the user's last generation run.
int printUnbilledReport(TDataModuleARSystem& module, const ReportRequest& request,
                        CliContext& context);

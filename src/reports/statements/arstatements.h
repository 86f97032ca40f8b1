#pragma once
// The printed statements: one statement per customer, each beginning on a new page with its
// own page numbers, headed with the organization's letterhead and the customer's address,
// listing the customer's open invoices and closing with the total owing, the currency and the
// customer's message.
#include "report/page.h"
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/statements/statementlines.h"

#include <QDate>
#include <vector>

class Database;

namespace reports
{

// The report over statement rows; `letterhead` gives the organization's name and address lines.
report::ReportDefinition arStatements(const InvoiceLetterhead& letterhead, QDate asOf);

// The report's rows, one per line, in the lines' order.
report::ListRowSource statementRows(const std::vector<StatementLine>& lines);

// Prints the statements of these lines; returns the number of pages (none for no lines).
int printStatementLines(const std::vector<StatementLine>& lines,
                        const InvoiceLetterhead& letterhead, QDate asOf, report::PageSink& sink,
                        report::RunOptions options = {});

// Reads the organization and the lines of the selection and prints their statements; returns
// the number of pages.
int printStatements(Database& db, const ReportSelection& selection, report::PageSink& sink,
                    report::RunOptions options = {});

} // namespace reports

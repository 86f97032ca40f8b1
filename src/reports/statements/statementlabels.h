#pragma once
// Address labels for the statements: one label per customer with an open invoice, printed with
// the user's label template. A customer needs a total owed above the minimum owing (a total of
// exactly the minimum gets no label) and an open invoice at least the minimum days old; the
// chosen currency and customer narrow the labels as they narrow the statements.
#include "report/page.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"
#include "reports/reportselection.h"

#include <QString>
#include <memory>
#include <optional>

class Database;
class Dialogs;

namespace reports
{

// The customers to label, in name and number order, with the fields of the customer's address
// that the label template prints (CustomerID, CustomerNo, CustomerName, Contact, AddressLine1,
// AddressLine2, City, StateProv, ZipCode, Country). One statement, its values bound.
std::unique_ptr<report::RowSource> statementLabelRows(Database& db,
                                                      const ReportSelection& selection);

// Asks for the labels to be put in the printer; Cancel prints nothing. Then prints the labels
// with the template "ARLabel.rtm" of the database's directory. The number of pages, or nothing
// when the question was cancelled or the template is missing (warned) or refused.
std::optional<int> printStatementLabels(Database& db, const QString& directory, Dialogs& dialogs,
                                        const ReportSelection& selection, report::PageSink& sink,
                                        const report::RunOptions& options = {});

} // namespace reports

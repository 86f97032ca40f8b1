#pragma once
// The lines of the statement mail-merge file: a header naming every field, then one line per
// customer with the customer's columns and M invoice groups, each field followed by a tab and
// the line closed by its marker. Every line has 22 + 8 × M fields and the marker, so a word
// processor finds each field in its column; a tab or a line break inside a value is written as
// a blank for the same reason.

#include "reports/statements/statementexportreader.h"

#include <QStringList>

class FormatSettings;

namespace statements
{

// The customer columns in file order, Balance last.
QStringList customerColumnNames();
// The header's fields for M invoice groups, "End Of Client Record" last.
QStringList headerFields(int maxInvoices);
// A customer's fields: its columns (the balance as a currency amount with 2 decimals), M
// groups from its newest open invoice back, padded with empty groups, and "End of Client "
// with its number. An invoice without a description takes `statementDescription`.
QStringList customerFields(const ExportCustomer& customer, const QList<ExportInvoice>& invoices,
                           int maxInvoices, const QString& statementDescription,
                           const FormatSettings& settings);
// The value with every tab, carriage return and line feed written as a blank.
QString mergeFieldText(QString value);

} // namespace statements

#pragma once
// The mail-merge file of a print run: one line per printed invoice with the recipient's ship-to
// name and the bill-to contact and address, for a word processor's letters or envelopes.
// Values holding a comma, a quote or a line break are quoted, so an address such as
// "Apt 4, 12 Elm St" stays in its own column.

#include <QString>
#include <QStringList>

class PrintedInvoiceReader;

namespace mailmerge
{
// For the file dialog that asks where the file goes.
inline const QString kDialogTitle = QStringLiteral("Specify a file name for the mail-merge file");
inline const QString kDefaultFileName = QStringLiteral("InvoiceAddressees.csv");
inline const QString kDefaultSuffix = QStringLiteral("csv");
inline const QString kFilters = QStringLiteral("Comma-Separated|*.csv|Comma-Delimited Text|*.txt");

// The first line of the file.
QStringList columnNames();

// Writes every invoice of the reader from the first on; returns how many lines were written.
// The file is in place only once it is whole; raises std::runtime_error naming the file when
// it cannot be written.
int writeFile(PrintedInvoiceReader& invoices, const QString& path);
} // namespace mailmerge

#pragma once
// The organization's invoicing choices a generation run follows (the Company row).

#include <QString>

class Database;

namespace billing
{

// How funder lines are invoiced: "S" one invoice per client and funder at the end of each
// client's lines, "O" one invoice per funder after all clients; any other code collects the
// funder lines without invoicing them.
inline const QString kFunderInvoicePerClient = QStringLiteral("S");
inline const QString kFunderInvoicePerFunder = QStringLiteral("O");

struct BillingOptions {
    bool clientLinesPerDate = false; // ClientInvoiceLineItems "D": one line per delivery date
    bool funderLinesPerDate = false; // FunderInvoiceLineItems "D"
    QString funderInvoicingMethod;   // FunderInvoicingMethod, without blanks
};

// All off and no funder invoicing when there is no organization row.
BillingOptions billingOptions(Database& db);

} // namespace billing

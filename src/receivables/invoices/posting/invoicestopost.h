#pragma once
// The invoices waiting to be posted: printed, not yet posted, and of a customer that still
// exists (an invoice whose customer record is gone stays unposted).

#include <QString>
#include <vector>

class Database;

namespace invoiceposting
{
// How many invoices are waiting, as the posting dialog shows it when it opens.
int countInvoicesToPost(Database& db);
// Their keys in the order they are posted.
std::vector<qint64> invoicesToPost(Database& db);
// "N printed invoice(s) to be posted".
QString toBePostedText(int count);
} // namespace invoiceposting

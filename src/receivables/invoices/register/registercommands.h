#pragma once
// The register's smaller rules: its caption, the print command's caption for one invoice, and
// whether closing the register offers posting.

#include <QString>

class Database;

// "AR Invoices", with "(Outstanding)", "(Filtered)" or "(Outstanding, Filtered)".
QString registerCaption(bool outstanding, bool filtered);
// Print Selected Invoice: "Reprint AR Invoice 10021" for a printed invoice, else "Print AR
// Invoice 10021".
QString printSelectedCaption(const QString& invoiceNo, bool printed);
// Closing the register shows the posting dialog when there are printed unposted invoices of
// existing customers to post and the organization does not suppress posting.
bool offersPostingOnClose(Database& db);

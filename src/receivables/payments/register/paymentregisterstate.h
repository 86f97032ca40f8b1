#pragma once
// The payment register's caption and whether closing it offers posting.

#include <QString>

class Database;

// "AR Payments", with "(Outstanding)", "(Filtered)" or "(Outstanding, Filtered)".
QString paymentRegisterCaption(bool outstanding, bool filtered);
// Closing the register shows the posting dialog when there is at least one unposted payment of
// an existing customer (what the posting dialog would post). No organization option
// suppresses the offer.
bool offersPaymentPostingOnClose(Database& db);

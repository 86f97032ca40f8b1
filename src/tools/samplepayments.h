#pragma once
// A few cheques for the payment register's screenshots: two payers, posted, reconciled and
// waiting ones, one applied to the posted sample invoice. Keys are high so they stay clear of
// whatever else the screenshot sample holds.

#include <QtGlobal>

class Database;

void addSamplePayments(Database& db, qint64 postedInvoiceId);

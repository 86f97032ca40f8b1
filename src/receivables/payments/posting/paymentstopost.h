#pragma once
// The payments waiting to be posted: not yet posted, and of a customer that still exists (a
// payment whose customer record is gone stays unposted).

#include <QString>
#include <vector>

class Database;

namespace paymentposting
{
// How many payments are waiting, as the posting dialog shows it when it opens.
int countPaymentsToPost(Database& db);
// Their keys in the order they are posted.
std::vector<qint64> paymentsToPost(Database& db);
// "N payment(s) to be posted".
QString toBePostedText(int count);
} // namespace paymentposting

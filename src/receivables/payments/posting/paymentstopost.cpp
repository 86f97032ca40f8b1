#include "receivables/payments/posting/paymentstopost.h"

#include "engine/database.h"

namespace paymentposting
{

namespace
{
const QString kWaiting = QStringLiteral(
    "FROM ARPmt P INNER JOIN Customer C ON P.CustomerID = C.CustomerID WHERE P.Posted = false");
} // namespace

int countPaymentsToPost(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT COUNT(*) ") + kWaiting);
    s.exec();
    return s.next() ? int(s.integer(0)) : 0;
}

std::vector<qint64> paymentsToPost(Database& db)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT P.PaymentID ") + kWaiting + " ORDER BY P.PaymentID");
    s.exec();
    std::vector<qint64> keys;
    while (s.next())
        keys.push_back(s.integer(0));
    return keys;
}

QString toBePostedText(int count)
{
    return QString::number(count) + QStringLiteral(" payment(s) to be posted");
}

} // namespace paymentposting

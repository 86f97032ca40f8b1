#include "receivables/payments/posting/paymentstopost.h"

#include "receivables/posting/waitingdocuments.h"

namespace paymentposting
{

namespace
{
const QString kWaiting = QStringLiteral(
    "FROM ARPmt P INNER JOIN Customer C ON P.CustomerID = C.CustomerID WHERE P.Posted = false");
} // namespace

int countPaymentsToPost(Database& db)
{
    return posting::countWaiting(db, kWaiting);
}

std::vector<qint64> paymentsToPost(Database& db)
{
    return posting::waitingKeys(db, QStringLiteral("P.PaymentID"), kWaiting);
}

QString toBePostedText(int count)
{
    return QString::number(count) + QStringLiteral(" payment(s) to be posted");
}

} // namespace paymentposting

#include "receivables/payments/register/paymentfind.h"

#include "receivables/payments/register/paymentregistermessages.h"

std::optional<qint64> findPayment(Database& db, Dialogs& dialogs, const PaymentView& view,
                                  const ChequeFindRequest& request)
{
    return findInList(db, dialogs, PaymentQuery(view),
                      {QStringLiteral("P.CustomerID"), QStringLiteral("P.ChequeNo"),
                       QStringLiteral("P.PaymentID")},
                      request,
                      {paymentregistermsg::chequeNotFoundFor, paymentregistermsg::chequeNotFound,
                       paymentregistermsg::noChequesFor});
}

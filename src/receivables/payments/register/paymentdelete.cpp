#include "receivables/payments/register/paymentdelete.h"

#include "receivables/listing/unposteddelete.h"
#include "receivables/payments/register/paymentregistermessages.h"

DeleteOutcome deletePayment(Database& db, Dialogs& dialogs, qint64 paymentId)
{
    return deleteUnposted(db, dialogs,
                          {QStringLiteral("ARPmt"), QStringLiteral("PaymentID"),
                           QStringLiteral("ChequeNo"), QStringLiteral("ARInvPmt")},
                          paymentId,
                          {paymentregistermsg::kPostedCantBeDeleted,
                           paymentregistermsg::confirmDeleteCheque,
                           paymentregistermsg::postedMeanwhile});
}

#include "receivables/payments/register/paymentregisterstate.h"

#include "engine/database.h"
#include "receivables/listing/listtexts.h"

QString paymentRegisterCaption(bool outstanding, bool filtered)
{
    return listCaption(QStringLiteral("AR Payments"), outstanding, filtered);
}

bool offersPaymentPostingOnClose(Database& db)
{
    Statement toPost = db.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM ARPmt P INNER JOIN Customer C ON P.CustomerID = C.CustomerID "
        "WHERE COALESCE(P.Posted, false) = false"));
    toPost.exec();
    return toPost.next() && toPost.integer(0) > 0;
}

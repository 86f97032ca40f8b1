#include "receivables/payments/register/paymentregistermessages.h"

namespace paymentregistermsg
{

QString confirmDeleteCheque(const QString& chequeNo)
{
    return QStringLiteral("Delete cheque '") + chequeNo + QStringLiteral("'?");
}

QString postedMeanwhile(const QString& chequeNo)
{
    return QStringLiteral("Unable to delete cheque '") + chequeNo +
           QStringLiteral("'...\rIt has already been posted");
}

QString chequeNotFoundFor(const QString& chequeNo, const QString& customerName)
{
    return QStringLiteral("Cheque '") + chequeNo + QStringLiteral("' not found for '") +
           customerName + QLatin1Char('\'');
}

QString chequeNotFound(const QString& chequeNo)
{
    return QStringLiteral("Cheque '") + chequeNo + QStringLiteral("' not found");
}

QString noChequesFor(const QString& customerName)
{
    return QStringLiteral("No cheques found for '") + customerName + QLatin1Char('\'');
}

} // namespace paymentregistermsg

#include "receivables/invoices/invoicemessages.h"

namespace invoicemsg
{

QString customerNoNotFound(const QString& typed)
{
    return QStringLiteral("Customer no. ") + typed + QStringLiteral(" not found.");
}

QString customerNoSuspended(const QString& typed)
{
    return QStringLiteral("Customer no. ") + typed + QStringLiteral(" has been suspended.");
}

QString customerSuspended(const QString& customerNo, const QString& customerName)
{
    return QStringLiteral("Customer '") + customerNo + QStringLiteral(": ") + customerName +
           QStringLiteral("'") + QStringLiteral(" has been suspended");
}

QString itemSuspended(const QString& itemNo, const QString& itemDescription)
{
    return QStringLiteral("Item '") + itemNo + QStringLiteral(": ") + itemDescription +
           QStringLiteral("'") + QStringLiteral(" has been suspended");
}

QString fieldRequired(const QString& label)
{
    return QStringLiteral("Field '") + label + QStringLiteral("' must have a value");
}

} // namespace invoicemsg

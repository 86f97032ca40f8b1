#include "receivables/invoices/register/registermessages.h"

namespace registermsg
{

QString confirmDeleteInvoice(const QString& invoiceNo)
{
    return QStringLiteral("Delete invoice '") + invoiceNo + QStringLiteral("'?");
}

QString postedMeanwhile(const QString& invoiceNo)
{
    return QStringLiteral("Unable to delete invoice ") + invoiceNo +
           QStringLiteral("....\r\nIt has been posted and therefore can't be deleted.");
}

QString noUnpostedInvoicesOf(const QString& date)
{
    return QStringLiteral("There were no unposted invoices with an invoice date of ") + date;
}

QString confirmDeleteDate(int count, const QString& date)
{
    return QStringLiteral("Delete the ") + QString::number(count) +
           QStringLiteral(" invoice(s) with an invoice date of ") + date +
           QStringLiteral("?\r\nThis action can't be reversed!");
}

QString dateDeletedEvent(const QString& date)
{
    return QStringLiteral("Unposted Invoices with date of ") + date + QStringLiteral(" deleted.");
}

QString useLatestPrice(const QString& itemDescription)
{
    return QLatin1Char('\'') + itemDescription +
           QStringLiteral("' default price is not same as original invoice price.\r"
                          "Use latest default price?");
}

QString invoiceNotFoundFor(const QString& invoiceNo, const QString& customerName)
{
    return QStringLiteral("Invoice '") + invoiceNo + QStringLiteral("' not found for '") +
           customerName + QLatin1Char('\'');
}

QString invoiceNotFound(const QString& invoiceNo)
{
    return QStringLiteral("Invoice '") + invoiceNo + QStringLiteral("' not found");
}

QString noInvoicesFor(const QString& customerName)
{
    return QStringLiteral("No invoices found for '") + customerName + QLatin1Char('\'');
}

} // namespace registermsg

#include "receivables/invoices/posting/invoicestopost.h"

#include "receivables/posting/waitingdocuments.h"

namespace invoiceposting
{

namespace
{
const QString kWaiting = QStringLiteral("FROM ARInv I INNER JOIN Customer C ON I.CustomerID = "
                                        "C.CustomerID WHERE (I.Posted = false) and (I.Printed = "
                                        "true)");
} // namespace

int countInvoicesToPost(Database& db)
{
    return posting::countWaiting(db, kWaiting);
}

std::vector<qint64> invoicesToPost(Database& db)
{
    return posting::waitingKeys(db, QStringLiteral("I.ARInvoiceID"), kWaiting);
}

QString toBePostedText(int count)
{
    return QString::number(count) + QStringLiteral(" printed invoice(s) to be posted");
}

} // namespace invoiceposting

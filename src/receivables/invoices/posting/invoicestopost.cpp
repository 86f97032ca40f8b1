#include "receivables/invoices/posting/invoicestopost.h"

#include "engine/database.h"

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
    Statement s = db.prepare(QStringLiteral("SELECT COUNT(*) ") + kWaiting);
    s.exec();
    return s.next() ? int(s.integer(0)) : 0;
}

std::vector<qint64> invoicesToPost(Database& db)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT I.ARInvoiceID ") + kWaiting + " ORDER BY I.ARInvoiceID");
    s.exec();
    std::vector<qint64> keys;
    while (s.next())
        keys.push_back(s.integer(0));
    return keys;
}

QString toBePostedText(int count)
{
    return QString::number(count) + QStringLiteral(" printed invoice(s) to be posted");
}

} // namespace invoiceposting

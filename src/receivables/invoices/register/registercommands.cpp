#include "receivables/invoices/register/registercommands.h"

#include "engine/database.h"
#include "receivables/listing/listtexts.h"

QString registerCaption(bool outstanding, bool filtered)
{
    return listCaption(QStringLiteral("AR Invoices"), outstanding, filtered);
}

QString printSelectedCaption(const QString& invoiceNo, bool printed)
{
    return (printed ? QStringLiteral("Reprint AR Invoice ") : QStringLiteral("Print AR Invoice ")) +
           invoiceNo;
}

bool offersPostingOnClose(Database& db)
{
    {
        Statement suppressed = db.prepare(
            QStringLiteral("SELECT SuppressPosting FROM Company ORDER BY CompanyNo LIMIT 1"));
        suppressed.exec();
        if (suppressed.next() && suppressed.boolean(0))
            return false;
    }
    // The posting dialog's own selection: an invoice whose customer is gone is never posted.
    Statement toPost = db.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM ARInv I INNER JOIN Customer C ON I.CustomerID = C.CustomerID "
        "WHERE (I.Posted = false) AND (I.Printed = true)"));
    toPost.exec();
    return toPost.next() && toPost.integer(0) > 0;
}

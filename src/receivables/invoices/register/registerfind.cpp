#include "receivables/invoices/register/registerfind.h"

#include "receivables/invoices/register/registermessages.h"

std::optional<qint64> findInvoice(Database& db, Dialogs& dialogs, const RegisterView& view,
                                  const FindRequest& request)
{
    return findInList(db, dialogs, RegisterQuery(view),
                      {QStringLiteral("I.CustomerID"), QStringLiteral("I.InvoiceNo"),
                       QStringLiteral("I.ARInvoiceID")},
                      request,
                      {registermsg::invoiceNotFoundFor, registermsg::invoiceNotFound,
                       registermsg::noInvoicesFor});
}

#include "receivables/invoices/register/registerfind.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/invoices/register/registermessages.h"
#include "receivables/listing/customerlookup.h"

std::optional<qint64> findInvoice(Database& db, Dialogs& dialogs, const RegisterView& view,
                                  const FindRequest& request)
{
    std::optional<NamedCustomer> customer;
    if (request.customerId) {
        customer = customerWithId(db, *request.customerId);
        if (!customer) // chosen from the list, then removed by another workstation
            customer = NamedCustomer{*request.customerId, QString()};
    } else if (!request.customerNoText.isEmpty()) {
        customer = customerWithNo(db, request.customerNoText);
        if (!customer) {
            dialogs.inform(Dialogs::Kind::Information,
                           registermsg::customerNoNotFound(request.customerNoText));
            return std::nullopt;
        }
    }
    const bool byNumber = !request.invoiceNo.isEmpty();
    if (!customer && !byNumber)
        return std::nullopt;

    RegisterQuery query(view);
    if (customer)
        query.addCondition(QStringLiteral("(I.CustomerID = :findCustomer)"),
                           QStringLiteral(":findCustomer"), customer->id);
    if (byNumber)
        query.addCondition(QStringLiteral("(I.InvoiceNo = :findNo)"), QStringLiteral(":findNo"),
                           request.invoiceNo);
    Statement s = db.prepare(query.sql(QStringLiteral("I.ARInvoiceID"), QStringLiteral("1")));
    query.bind(s);
    s.exec();
    if (s.next())
        return s.integer(0);

    const QString message = customer && byNumber
                                ? registermsg::invoiceNotFoundFor(request.invoiceNo, customer->name)
                            : byNumber ? registermsg::invoiceNotFound(request.invoiceNo)
                                       : registermsg::noInvoicesFor(customer->name);
    dialogs.inform(Dialogs::Kind::Information, message);
    return std::nullopt;
}

#include "receivables/invoices/register/registerfind.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/invoices/register/registermessages.h"

namespace
{

struct FoundCustomer {
    qint64 id = 0;
    QString name;
};

std::optional<FoundCustomer> customerBy(Database& db, const QString& condition,
                                        const QVariant& value)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT CustomerID, CustomerName FROM Customer WHERE %1").arg(condition));
    s.bind(QStringLiteral(":value"), value).exec();
    if (!s.next())
        return std::nullopt;
    return FoundCustomer{s.integer(0), s.text(1)};
}

} // namespace

std::optional<qint64> findInvoice(Database& db, Dialogs& dialogs, const RegisterView& view,
                                  const FindRequest& request)
{
    std::optional<FoundCustomer> customer;
    if (request.customerId) {
        customer = customerBy(db, QStringLiteral("CustomerID = :value"), *request.customerId);
        if (!customer) // chosen from the list, then removed by another workstation
            customer = FoundCustomer{*request.customerId, QString()};
    } else if (!request.customerNoText.isEmpty()) {
        customer = customerBy(db, QStringLiteral("CustomerNo = :value"), request.customerNoText);
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

#include "receivables/payments/register/paymentfind.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/listing/customerlookup.h"
#include "receivables/payments/register/paymentregistermessages.h"

std::optional<qint64> findPayment(Database& db, Dialogs& dialogs, const PaymentView& view,
                                  const ChequeFindRequest& request)
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
                           paymentregistermsg::customerNoNotFound(request.customerNoText));
            return std::nullopt;
        }
    }
    const bool byNumber = !request.chequeNo.isEmpty();
    if (!customer && !byNumber)
        return std::nullopt;

    PaymentQuery query(view);
    if (customer)
        query.addCondition(QStringLiteral("(P.CustomerID = :findCustomer)"),
                           QStringLiteral(":findCustomer"), customer->id);
    if (byNumber)
        query.addCondition(QStringLiteral("(P.ChequeNo = :findNo)"), QStringLiteral(":findNo"),
                           request.chequeNo);
    Statement s = db.prepare(query.sql(QStringLiteral("P.PaymentID"), QStringLiteral("1")));
    query.bind(s);
    s.exec();
    if (s.next())
        return s.integer(0);

    const QString message =
        customer && byNumber
            ? paymentregistermsg::chequeNotFoundFor(request.chequeNo, customer->name)
        : byNumber ? paymentregistermsg::chequeNotFound(request.chequeNo)
                   : paymentregistermsg::noChequesFor(customer->name);
    dialogs.inform(Dialogs::Kind::Information, message);
    return std::nullopt;
}

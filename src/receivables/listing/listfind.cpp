#include "receivables/listing/listfind.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "receivables/listing/customerlookup.h"
#include "receivables/listing/listtexts.h"

std::optional<qint64> findInList(Database& db, Dialogs& dialogs, ListQuery query,
                                 const ListFindColumns& columns, const ListFindRequest& request,
                                 const ListFindTexts& texts)
{
    std::optional<NamedCustomer> customer;
    if (request.customerId) {
        customer = customerWithId(db, *request.customerId);
        if (!customer) // chosen from the list, then removed by another workstation
            customer = NamedCustomer{*request.customerId, QString()};
    } else if (!request.customerNoText.isEmpty()) {
        customer = customerWithNo(db, request.customerNoText);
        if (!customer) {
            dialogs.inform(Dialogs::Kind::Information, customerNoNotFound(request.customerNoText));
            return std::nullopt;
        }
    }
    const bool byNumber = !request.number.isEmpty();
    if (!customer && !byNumber)
        return std::nullopt;

    if (customer)
        query.addCondition(QLatin1Char('(') + columns.customerId +
                               QStringLiteral(" = :findCustomer)"),
                           QStringLiteral(":findCustomer"), customer->id);
    if (byNumber)
        query.addCondition(QLatin1Char('(') + columns.number + QStringLiteral(" = :findNo)"),
                           QStringLiteral(":findNo"), request.number);
    Statement s = query.run(db, columns.key, QStringLiteral("1"));
    if (s.next())
        return s.integer(0);

    const QString message = customer && byNumber ? texts.notFoundFor(request.number, customer->name)
                            : byNumber           ? texts.notFound(request.number)
                                                 : texts.noneFor(customer->name);
    dialogs.inform(Dialogs::Kind::Information, message);
    return std::nullopt;
}

#include "receivables/listing/customerlookup.h"

#include "engine/database.h"

namespace
{
std::optional<NamedCustomer> customerBy(Database& db, const QString& condition,
                                        const QVariant& value)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT CustomerID, CustomerName FROM Customer WHERE %1").arg(condition));
    s.bind(QStringLiteral(":value"), value).exec();
    if (!s.next())
        return std::nullopt;
    return NamedCustomer{s.integer(0), s.text(1)};
}
} // namespace

std::optional<NamedCustomer> customerWithId(Database& db, qint64 customerId)
{
    return customerBy(db, QStringLiteral("CustomerID = :value"), customerId);
}

std::optional<NamedCustomer> customerWithNo(Database& db, const QString& customerNo)
{
    return customerBy(db, QStringLiteral("CustomerNo = :value"), customerNo);
}

#include "masterdata/customers/customerdelete.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/transaction.h"
#include "masterdata/customers/customerrecord.h"

namespace
{
void run(Database& db, const QString& sql, qint64 customerId)
{
    db.prepare(sql).bind(QStringLiteral(":id"), customerId).exec();
}
} // namespace

DeleteOutcome deleteCustomer(Database& db, Dialogs& dialogs, qint64 customerId)
{
    const std::optional<CustomerRecord> customer = loadCustomer(db, customerId);
    if (!customer)
        return DeleteOutcome::NotFound;
    const QString named = customer->text(QStringLiteral("CustomerNo")) + QStringLiteral(": ") +
                          customer->text(QStringLiteral("CustomerName"));
    if (dialogs.ask(Dialogs::Kind::Confirmation,
                    QStringLiteral("Delete '") + named + QStringLiteral("'?"),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return DeleteOutcome::Abandoned;

    Transaction transaction(db);
    Statement invoices =
        db.prepare(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE CustomerID = :id"));
    invoices.bind(QStringLiteral(":id"), customerId).exec();
    if (invoices.next() && invoices.integer(0) > 0) {
        invoices.finish();
        dialogs.inform(Dialogs::Kind::Error,
                       QStringLiteral("Unable to delete '") + named + QStringLiteral("'...\r\n") +
                           QStringLiteral("Invoice(s) exist for this customer"));
        return DeleteOutcome::Refused;
    }
    invoices.finish();
    run(db, QStringLiteral("DELETE FROM CBalance WHERE CustomerID = :id"), customerId);
    run(db, QStringLiteral("DELETE FROM Customer WHERE CustomerID = :id"), customerId);
    transaction.commit();
    return DeleteOutcome::Deleted;
}

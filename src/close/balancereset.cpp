#include "close/balancereset.h"

#include "common/dialogs.h"
#include "common/money.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/transaction.h"
#include "receivables/invoices/pledgetotals.h"

namespace
{

// The invoice's own customer type decides which invoices are cleared; the customer's type
// which balances.
void clearByCustomerType(Database& db, const QString& type)
{
    db.prepare(QStringLiteral("UPDATE ARInv SET Owing = 0 WHERE Owing <> 0 AND "
                              "RTRIM(CustomerType) = :type"))
        .bind(QStringLiteral(":type"), type)
        .exec();
    db.prepare(QStringLiteral("UPDATE CBalance SET Balance = 0 WHERE Balance <> 0 AND CustomerID "
                              "IN (SELECT CustomerID FROM Customer WHERE RTRIM(CustomerType) = "
                              ":type)"))
        .bind(QStringLiteral(":type"), type)
        .exec();
}

void clearCustomer(Database& db, qint64 customerId)
{
    db.prepare(
          QStringLiteral("UPDATE ARInv SET Owing = 0 WHERE Owing <> 0 AND CustomerID = :customer"))
        .bind(QStringLiteral(":customer"), customerId)
        .exec();
    db.prepare(QStringLiteral(
                   "UPDATE CBalance SET Balance = 0 WHERE Balance <> 0 AND CustomerID = :customer"))
        .bind(QStringLiteral(":customer"), customerId)
        .exec();
}

void clearEverybody(Database& db)
{
    db.exec(QStringLiteral("UPDATE ARInv SET Owing = 0 WHERE Owing <> 0"));
    db.exec(QStringLiteral("UPDATE CBalance SET Balance = 0 WHERE Balance <> 0"));
}

// On each posted invoice without an earlier write-off, the new write-off is worked out before
// Owing is lowered by it: its pledges, but never more than it owes. Both assignments read the
// invoice as it was, so each states the outcome in full. An invoice that owes nothing or is in
// credit has nothing to write off.
void writeOffPledges(Database& db)
{
    db.exec(QStringLiteral("UPDATE ARInv SET Owing = 0 WHERE Owing IS NULL"));
    db.exec(QStringLiteral("UPDATE ARInv SET WriteOffAmount = 0 WHERE WriteOffAmount IS NULL"));
    const QMap<qint64, Money> pledged =
        postedPledgeTotals(db, QStringLiteral("I.WriteOffAmount = 0 AND I.Owing > 0"));
    for (auto it = pledged.constBegin(); it != pledged.constEnd(); ++it) {
        if (*it <= Money())
            continue;
        db.prepare(QStringLiteral(
                       "UPDATE ARInv SET WriteOffAmount = CASE WHEN Owing > :pledged1 THEN "
                       ":pledged2 ELSE Owing END, Owing = CASE WHEN Owing > :pledged3 THEN Owing "
                       "- :pledged4 ELSE 0 END WHERE ARInvoiceID = :invoice"))
            .bind(QStringLiteral(":pledged1"), it->raw())
            .bind(QStringLiteral(":pledged2"), it->raw())
            .bind(QStringLiteral(":pledged3"), it->raw())
            .bind(QStringLiteral(":pledged4"), it->raw())
            .bind(QStringLiteral(":invoice"), it.key())
            .exec();
    }
    // Only customers with posted invoices; no balance row is made.
    db.exec(QStringLiteral(
        "UPDATE CBalance SET Balance = (SELECT CAST(SUM(COALESCE(I.Owing, 0)) AS BIGINT) FROM "
        "ARInv I WHERE I.CustomerID = CBalance.CustomerID AND I.Posted = true) WHERE CustomerID "
        "IN (SELECT CustomerID FROM ARInv WHERE Posted = true)"));
}

} // namespace

void resetBalances(Database& db, ResetChoice choice, std::optional<qint64> customerId)
{
    Q_ASSERT(choice != ResetChoice::SelectedAccount || customerId);
    Transaction work(db);
    switch (choice) {
    case ResetChoice::ClientBalances:
        clearByCustomerType(db, QStringLiteral("C"));
        break;
    case ResetChoice::FunderBalances:
        clearByCustomerType(db, QStringLiteral("F"));
        break;
    case ResetChoice::PledgeWriteOff:
        writeOffPledges(db);
        break;
    case ResetChoice::SelectedAccount:
        clearCustomer(db, customerId.value_or(0));
        break;
    case ResetChoice::AllBalances:
        clearEverybody(db);
        break;
    }
    work.commit();
}

ResetOutcome confirmAndResetBalances(Database& db, Dialogs& dialogs, ResetChoice choice,
                                     std::optional<qint64> customerId)
{
    if (dialogs.ask(Dialogs::Kind::Confirmation, resetConfirmationText(),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return ResetOutcome::Declined;
    try {
        resetBalances(db, choice, customerId);
    } catch (const DbError& e) {
        dialogs.inform(Dialogs::Kind::Error, e.message());
        return ResetOutcome::Refused;
    }
    dialogs.inform(Dialogs::Kind::Information, resetDoneText());
    return ResetOutcome::Reset;
}

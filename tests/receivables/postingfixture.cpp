#include "postingfixture.h"

#include "common/formatsettings.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "receivables/bookcheck/customerbalancecheck.h"
#include "testdatabases.h"

namespace postingfixture
{

void create(Database& db)
{
    for (const TableDef& t : {ar::arInv(), ar::customer(), ar::currency(), ar::cBalance()})
        schema::createTable(db, t);
    records::insert(db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), kDollars},
                     {QStringLiteral("CurrencyName"), QStringLiteral("US $")},
                     {QStringLiteral("ExchangeRate"), 1.0}});
    records::insert(db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), kCanadian},
                     {QStringLiteral("CurrencyName"), QStringLiteral("Canadian $")},
                     {QStringLiteral("ExchangeRate"), kCanadianRate}});
}

void addCustomer(Database& db, qint64 id, qint64 currencyId, std::optional<Money> balance)
{
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), id},
                     {QStringLiteral("CustomerNo"), QString::number(1000 + id)},
                     {QStringLiteral("CustomerName"), QStringLiteral("Customer %1").arg(id)},
                     {QStringLiteral("CurrencyID"), currencyId}});
    if (balance)
        records::insert(db, ar::cBalance(),
                        {{QStringLiteral("CustomerID"), id},
                         {QStringLiteral("Balance"), QVariant::fromValue(*balance)}});
}

void addInvoice(Database& db, const InvoiceRow& invoice)
{
    Statement s = db.prepare(QStringLiteral(
        "INSERT INTO ARInv (ARInvoiceID, CustomerID, InvoiceNo, InvoiceAmount, PaidAmount, "
        "DiscTakenAmount, WriteOffAmount, Owing, Printed, Posted) VALUES (?, ?, ?, ?, 0, 0, 0, "
        "?, ?, ?)"));
    s.bind(0, invoice.id)
        .bind(1, invoice.customerId)
        .bind(2, QString::number(10000 + invoice.id))
        .bind(3, invoice.amount.raw())
        .bind(4, invoice.amount.raw())
        .bind(5, invoice.printed)
        .bind(6, invoice.posted)
        .exec();
}

void addPrintedInvoices(Database& db, qint64 firstId, int count, int customers)
{
    Transaction transaction(db);
    for (int i = 0; i < count; ++i) {
        // Every seventh invoice is a credit; cents and ten-thousandths both occur.
        const qint64 raw = (i % 7 == 6 ? -1 : 1) * (12345 + 10001 * (i % 13));
        addInvoice(db, {firstId + i, 1 + i % customers, Money::fromRaw(raw)});
    }
    transaction.commit();
}

qint64 untiedBalances(Database& db)
{
    // The same proof `tallywick check` gives.
    return checkCustomerBalances(db, FormatSettings::us()).size();
}

Money balance(Database& db, qint64 customerId)
{
    return Money::fromRaw(testdb::scalar(
        db, QStringLiteral("SELECT Balance FROM CBalance WHERE CustomerID = %1").arg(customerId)));
}

qint64 count(Database& db, const QString& sql)
{
    return testdb::scalar(db, sql);
}

} // namespace postingfixture

#include "customerworld.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

namespace customerworld
{

std::unique_ptr<Database> freshBooks(const QString& engine, qint64 defaultCurrency)
{
    ConnectionParams params = testdb::freshParams(engine);
    params.lockRetry = {2, 10};
    auto db = Database::open(params);
    for (const TableDef& t :
         {ar::customer(), ar::cBalance(), ar::custCtl(), ar::arInv(), ar::currency(),
          ar::salesman(), ar::cusType(), ar::company(), ar::tax()})
        schema::createTable(*db, t);
    records::insert(*db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), kDollars},
                     {QStringLiteral("CurrencyName"), QStringLiteral("US $")}});
    records::insert(*db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), kEuros},
                     {QStringLiteral("CurrencyName"), QStringLiteral("Euro")}});
    records::insert(*db, ar::salesman(),
                    {{QStringLiteral("SalesmanID"), kSalesman},
                     {QStringLiteral("LastName"), QStringLiteral("Lind")}});
    records::insert(*db, ar::cusType(),
                    {{QStringLiteral("CustomerTypeID"), kCustomerType},
                     {QStringLiteral("TypeName"), QStringLiteral("Senior")}});
    records::insert(
        *db, ar::company(),
        {{QStringLiteral("CompanyNo"), 1}, {QStringLiteral("DefaultCurrencyID"), defaultCurrency}});
    return db;
}

void addCustomer(Database& db, qint64 id, const QString& no, const QString& name, qint64 currencyId)
{
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), id},
                     {QStringLiteral("CustomerNo"), no},
                     {QStringLiteral("CustomerName"), name},
                     {QStringLiteral("CustomerType"), QStringLiteral("C")},
                     {QStringLiteral("CurrencyID"), currencyId},
                     {QStringLiteral("Suspended"), false}});
}

void addBalance(Database& db, qint64 customerId, Money balance)
{
    records::insert(
        db, ar::cBalance(),
        {{QStringLiteral("CustomerID"), customerId}, {QStringLiteral("Balance"), balance.raw()}});
}

void addInvoice(Database& db, qint64 invoiceId, qint64 customerId)
{
    records::insert(db, ar::arInv(),
                    {{QStringLiteral("ARInvoiceID"), invoiceId},
                     {QStringLiteral("InvoiceNo"), QString::number(invoiceId)},
                     {QStringLiteral("CustomerID"), customerId}});
}

void setCounters(Database& db, qint64 nextNo, qint64 nextId)
{
    db.exec(QStringLiteral("DELETE FROM CustCtl"));
    records::insert(
        db, ar::custCtl(),
        {{QStringLiteral("NextCustomerNo"), nextNo}, {QStringLiteral("NextCustomerID"), nextId}});
}

qint64 count(Database& db, const QString& sql)
{
    return testdb::scalar(db, sql);
}

} // namespace customerworld

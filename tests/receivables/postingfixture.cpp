#include "postingfixture.h"

#include "common/formatsettings.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "receivables/bookcheck/customerbalancecheck.h"
#include "testdatabases.h"

#include <stdexcept>

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

std::unique_ptr<Database> freshLedger(const QString& engine)
{
    ConnectionParams params = testdb::freshParams(engine);
    params.lockRetry = {2, 10};
    auto db = Database::open(params);
    create(*db);
    return db;
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

Dialogs::Button LockDialogs::ask(Kind, const QString& text, Buttons buttons)
{
    asked << text;
    if (buttons != (Retry | Cancel))
        throw std::logic_error("a lock question asks Retry or Cancel");
    return answer_(text);
}

std::unique_ptr<Database> impatient(const Database& db)
{
    ConnectionParams quick = db.params();
    quick.lockRetry = {2, 10};
    return Database::open(quick);
}

void refuseBalanceOf(Database& db, qint64 customerId)
{
    if (db.isSqlite()) {
        for (const char* change : {"INSERT", "UPDATE"})
            db.exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON CBalance WHEN "
                                   "NEW.CustomerID = %2 BEGIN SELECT RAISE(ABORT, 'balance "
                                   "refused'); END")
                        .arg(QLatin1String(change))
                        .arg(customerId));
    } else {
        db.exec(QStringLiteral("CREATE FUNCTION refuse_balance() RETURNS trigger AS $$ BEGIN IF "
                               "NEW.CustomerID = %1 THEN RAISE EXCEPTION 'balance refused'; END "
                               "IF; RETURN NEW; END $$ LANGUAGE plpgsql")
                    .arg(customerId));
        db.exec(QStringLiteral("CREATE TRIGGER refuse_balance BEFORE INSERT OR UPDATE ON CBalance "
                               "FOR EACH ROW EXECUTE FUNCTION refuse_balance()"));
    }
}

void allowBalances(Database& db)
{
    if (db.isSqlite()) {
        db.exec(QStringLiteral("DROP TRIGGER refuse_INSERT"));
        db.exec(QStringLiteral("DROP TRIGGER refuse_UPDATE"));
    } else {
        db.exec(QStringLiteral("DROP TRIGGER refuse_balance ON CBalance"));
        db.exec(QStringLiteral("DROP FUNCTION refuse_balance()"));
    }
}

} // namespace postingfixture

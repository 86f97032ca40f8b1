// Times one invoice posting pass over printed invoices made straight with SQL: customers with
// balance rows in two currencies, and their printed, unposted invoices. Run by scripts/bench
// post; not part of the test run. On SQLite it leaves a copy of the database as it was before
// posting (baseline.db beside it) for bench_post_baseline.
//
//   bench_post DIR|--postgres [--invoices N]
#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "postingbench.h"
#include "receivables/invoices/posting/invoicepostingrun.h"

namespace
{

void makeLedger(Database& db, int invoices)
{
    for (const TableDef& t : {ar::arInv(), ar::customer(), ar::currency(), ar::cBalance()})
        schema::createTable(db, t);
    const int customers = std::max(1, invoices / 5);
    Transaction transaction(db);
    BatchInsert currencies(db, ar::currency(),
                           {QStringLiteral("CurrencyID"), QStringLiteral("ExchangeRate")});
    currencies.add({1, 1.0});
    currencies.add({2, 0.7325});
    currencies.finish();
    BatchInsert customer(
        db, ar::customer(),
        {QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"), QStringLiteral("CurrencyID")});
    BatchInsert balance(db, ar::cBalance(),
                        {QStringLiteral("CustomerID"), QStringLiteral("Balance")});
    for (int c = 1; c <= customers; ++c) {
        customer.add({c, QString::number(1000 + c), 1 + c % 2});
        balance.add({c, qint64(0)});
    }
    customer.finish();
    balance.finish();
    BatchInsert invoice(db, ar::arInv(),
                        {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"),
                         QStringLiteral("InvoiceNo"), QStringLiteral("InvoiceAmount"),
                         QStringLiteral("Owing"), QStringLiteral("Printed"),
                         QStringLiteral("Posted")});
    for (int i = 1; i <= invoices; ++i) {
        const qint64 amount = 1390000 + 10000 * (i % 17);
        invoice.add(
            {i, 1 + i % customers, QString::number(10000 + i), amount, amount, true, false});
    }
    invoice.finish();
    transaction.commit();
}

int post(Database& db, Dialogs& dialogs, Progress& progress)
{
    const InvoicePostingResult result = InvoicePostingRun(db, dialogs, progress).run();
    return result.outcome == InvoicePostingOutcome::Posted ? result.posted : -1;
}

} // namespace

int main(int argc, char** argv)
{
    return postingbench::run(
        argc, argv, {QStringLiteral("bench_post"), QStringLiteral("invoices"), makeLedger, post});
}

// Times one payment posting pass over payments made straight with SQL: customers with balance
// rows, their posted invoices, and unposted payments each paying one to three of them (in full,
// in part, with a discount or with a write-off). Run by scripts/bench payments; not part of
// the test run. On SQLite it leaves a copy of the database as it was before posting
// (baseline.db beside it) for bench_pay_baseline.
//
//   bench_pay DIR|--postgres [--payments N]
#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "postingbench.h"
#include "receivables/payments/posting/paymentpostingrun.h"

#include <QHash>

namespace
{

QVariant amount(qint64 raw)
{
    return raw == 0 ? QVariant() : QVariant(raw);
}

void makeLedger(Database& db, int payments)
{
    for (const TableDef& t :
         {ar::arInv(), ar::customer(), ar::currency(), ar::cBalance(), ar::arPmt(), ar::arInvPmt()})
        schema::createTable(db, t);
    const int customers = std::max(1, payments / 5);
    Transaction transaction(db);
    BatchInsert currencies(db, ar::currency(),
                           {QStringLiteral("CurrencyID"), QStringLiteral("ExchangeRate")});
    currencies.add({1, 1.0});
    currencies.finish();
    BatchInsert customer(
        db, ar::customer(),
        {QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"), QStringLiteral("CurrencyID")});
    for (int c = 1; c <= customers; ++c)
        customer.add({c, QString::number(1000 + c), 1});
    customer.finish();

    BatchInsert invoice(db, ar::arInv(),
                        {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"),
                         QStringLiteral("InvoiceNo"), QStringLiteral("InvoiceAmount"),
                         QStringLiteral("PaidAmount"), QStringLiteral("DiscTakenAmount"),
                         QStringLiteral("WriteOffAmount"), QStringLiteral("Owing"),
                         QStringLiteral("Printed"), QStringLiteral("Posted")});
    BatchInsert payment(db, ar::arPmt(),
                        {QStringLiteral("PaymentID"), QStringLiteral("ChequeNo"),
                         QStringLiteral("CustomerID"), QStringLiteral("ChequeAmount"),
                         QStringLiteral("Posted"), QStringLiteral("Reconciled")});
    BatchInsert line(db, ar::arInvPmt(),
                     {QStringLiteral("ARInvoiceID"), QStringLiteral("PaymentID"),
                      QStringLiteral("Seq"), QStringLiteral("PaymentAmount"),
                      QStringLiteral("DiscTakenAmount"), QStringLiteral("WriteOffAmount")});
    QHash<int, qint64> balances;
    qint64 invoiceId = 0;
    for (int n = 1; n <= payments; ++n) {
        const int customerId = 1 + n % customers;
        qint64 cheque = 0;
        for (int seq = 1; seq <= 1 + n % 3; ++seq) {
            const qint64 raw = 1390000 + 10000 * (++invoiceId % 17);
            invoice.add({invoiceId, customerId, QString::number(10000 + invoiceId), raw, 0, 0, 0,
                         raw, true, true});
            balances[customerId] += raw;
            qint64 paid = raw;
            qint64 discount = 0;
            qint64 writeOff = 0;
            switch ((n + seq) % 4) {
            case 1:
                paid = raw / 2;
                break; // in part
            case 2:
                discount = raw / 50;
                paid = raw - discount;
                break; // 2 % discount
            case 3:
                writeOff = 3000;
                paid = raw - writeOff;
                break;
            default:
                break; // in full
            }
            cheque += paid;
            line.add({invoiceId, n, seq, paid, amount(discount), amount(writeOff)});
        }
        payment.add({n, QString::number(n), customerId, cheque, false, false});
    }
    invoice.finish();
    payment.finish();
    line.finish();
    BatchInsert balance(db, ar::cBalance(),
                        {QStringLiteral("CustomerID"), QStringLiteral("Balance")});
    for (auto it = balances.constBegin(); it != balances.constEnd(); ++it)
        balance.add({it.key(), it.value()});
    balance.finish();
    transaction.commit();
    // Fresh statistics, as a database in use has.
    db.exec(QStringLiteral("ANALYZE"));
}

int post(Database& db, Dialogs& dialogs, Progress& progress)
{
    const PaymentPostingResult result = PaymentPostingRun(db, dialogs, progress).run();
    return result.outcome == PaymentPostingOutcome::Posted ? result.posted : -1;
}

} // namespace

int main(int argc, char** argv)
{
    return postingbench::run(
        argc, argv, {QStringLiteral("bench_pay"), QStringLiteral("payments"), makeLedger, post});
}

// The floor for a payment posting pass: the same payments read and, each in turn, marked posted,
// their lines added to their invoices and their totals taken off their customers' balances
// straight through the SQLite library, one prepared statement per change, all in one
// transaction, on the copy bench_pay left of the database as it was before posting. Run by
// scripts/bench payments.
//
//   bench_pay_baseline DATABASE
#include "sqlitecalls.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: bench_pay_baseline DATABASE\n");
        return 2;
    }
    TimedTransaction transaction(argv[1]);
    if (!transaction.begun())
        return 1;
    sqlite3* db = transaction.db();
    sqlite3_stmt* select =
        prepare(db, "SELECT P.PaymentID, P.CustomerID FROM ARPmt P INNER JOIN Customer C ON "
                    "P.CustomerID = C.CustomerID WHERE P.Posted = 0 ORDER BY P.PaymentID");
    sqlite3_stmt* posted = prepare(db, "UPDATE ARPmt SET Posted = 1 WHERE PaymentID = ?");
    sqlite3_stmt* lines =
        prepare(db, "SELECT ARInvoiceID, COALESCE(PaymentAmount, 0), COALESCE(DiscTakenAmount, 0), "
                    "COALESCE(WriteOffAmount, 0) FROM ARInvPmt WHERE PaymentID = ? ORDER BY Seq");
    sqlite3_stmt* invoice = prepare(
        db, "UPDATE ARInv SET PaidAmount = PaidAmount + ?1, DiscTakenAmount = DiscTakenAmount + "
            "?2, WriteOffAmount = WriteOffAmount + ?3, Owing = InvoiceAmount - (PaidAmount + ?1) "
            "- (DiscTakenAmount + ?2) - (WriteOffAmount + ?3) WHERE ARInvoiceID = ?4");
    sqlite3_stmt* balance =
        prepare(db, "UPDATE CBalance SET Balance = Balance - ? WHERE CustomerID = ?");
    if (!select || !posted || !lines || !invoice || !balance)
        return 1;
    struct Row {
        sqlite3_int64 id, customer;
    };
    std::vector<Row> rows;
    while (sqlite3_step(select) == SQLITE_ROW)
        rows.push_back({sqlite3_column_int64(select, 0), sqlite3_column_int64(select, 1)});
    sqlite3_finalize(select);
    for (const Row& r : rows) {
        sqlite3_bind_int64(posted, 1, r.id);
        if (!step(db, posted, "payment"))
            return 1;
        sqlite3_int64 total = 0;
        sqlite3_bind_int64(lines, 1, r.id);
        while (sqlite3_step(lines) == SQLITE_ROW) {
            const sqlite3_int64 paid = sqlite3_column_int64(lines, 1);
            const sqlite3_int64 discount = sqlite3_column_int64(lines, 2);
            const sqlite3_int64 writeOff = sqlite3_column_int64(lines, 3);
            sqlite3_bind_int64(invoice, 1, paid);
            sqlite3_bind_int64(invoice, 2, discount);
            sqlite3_bind_int64(invoice, 3, writeOff);
            sqlite3_bind_int64(invoice, 4, sqlite3_column_int64(lines, 0));
            if (!step(db, invoice, "invoice"))
                return 1;
            total += paid + discount + writeOff;
        }
        sqlite3_reset(lines);
        sqlite3_bind_int64(balance, 1, total);
        sqlite3_bind_int64(balance, 2, r.customer);
        if (!step(db, balance, "balance"))
            return 1;
    }
    const long long ns = transaction.commit();
    if (ns < 0)
        return 1;
    std::printf("baseline: %.3f s, %zu payments posted\n", double(ns) / 1e9, rows.size());
    std::printf("baseline-ns: %lld\n", ns);
    sqlite3_finalize(posted);
    sqlite3_finalize(lines);
    sqlite3_finalize(invoice);
    sqlite3_finalize(balance);
    return 0;
}

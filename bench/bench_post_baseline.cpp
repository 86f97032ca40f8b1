// The floor for an invoice posting pass: the same invoices read and, each in turn, marked posted
// with their currency's rate and added to their customer's balance straight through the SQLite
// library, one prepared statement per change, all in one transaction, on the copy bench_post
// left of the database as it was before posting. Run by scripts/bench post.
//
//   bench_post_baseline DATABASE
#include "sqlitecalls.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: bench_post_baseline DATABASE\n");
        return 2;
    }
    TimedTransaction transaction(argv[1]);
    if (!transaction.begun())
        return 1;
    sqlite3* db = transaction.db();
    sqlite3_stmt* select = prepare(
        db, "SELECT I.ARInvoiceID, I.CustomerID, I.InvoiceAmount, Cu.ExchangeRate FROM ARInv I "
            "INNER JOIN Customer C ON I.CustomerID = C.CustomerID LEFT JOIN Currency Cu ON "
            "Cu.CurrencyID = C.CurrencyID WHERE I.Posted = 0 AND I.Printed = 1 ORDER BY "
            "I.ARInvoiceID");
    sqlite3_stmt* invoice =
        prepare(db, "UPDATE ARInv SET Posted = 1, ExchangeRate = ? WHERE ARInvoiceID = ?");
    sqlite3_stmt* balance =
        prepare(db, "UPDATE CBalance SET Balance = Balance + ? WHERE CustomerID = ?");
    if (!select || !invoice || !balance)
        return 1;
    struct Row {
        sqlite3_int64 id, customer, amount;
        double rate;
    };
    std::vector<Row> rows;
    while (sqlite3_step(select) == SQLITE_ROW)
        rows.push_back({sqlite3_column_int64(select, 0), sqlite3_column_int64(select, 1),
                        sqlite3_column_int64(select, 2), sqlite3_column_double(select, 3)});
    sqlite3_finalize(select);
    for (const Row& r : rows) {
        sqlite3_bind_double(invoice, 1, r.rate);
        sqlite3_bind_int64(invoice, 2, r.id);
        sqlite3_bind_int64(balance, 1, r.amount);
        sqlite3_bind_int64(balance, 2, r.customer);
        if (!step(db, invoice, "invoice") || !step(db, balance, "balance"))
            return 1;
    }
    const long long ns = transaction.commit();
    if (ns < 0)
        return 1;
    std::printf("baseline: %.3f s, %zu invoices posted\n", double(ns) / 1e9, rows.size());
    std::printf("baseline-ns: %lld\n", ns);
    sqlite3_finalize(invoice);
    sqlite3_finalize(balance);
    return 0;
}

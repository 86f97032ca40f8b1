// The floor for an invoice generation run: the same number of invoice, invoice line and History
// rows inserted straight through the SQLite library, one prepared statement per table, all in
// one transaction, into a copy of the database as it was before the run. Run by
// scripts/bench generate; not part of the test run.
//
//   bench_generate_baseline DATABASE INVOICES LINES HISTORY
#include "sqlitecalls.h"

#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "Usage: bench_generate_baseline DATABASE INVOICES LINES HISTORY\n");
        return 2;
    }
    const long invoices = std::atol(argv[2]);
    const long lines = std::atol(argv[3]);
    const long history = std::atol(argv[4]);
    if (invoices <= 0) {
        std::fprintf(stderr, "No invoices to write.\n");
        return 2;
    }
    TimedTransaction transaction(argv[1]);
    if (!transaction.begun())
        return 1;
    sqlite3* db = transaction.db();
    sqlite3_stmt* invoice = prepare(
        db, "INSERT INTO ARInv (ARInvoiceID, CustomerID, InvoiceNo, WarehouseID, Description,"
            " InvoiceDate, InvoiceAmount, PaidAmount, DiscTakenAmount, WriteOffAmount, Owing,"
            " DiscPC, DiscDays, NetDays, COD, PurchaseOrderNo, GLPeriod, GLYear, Printed, Posted,"
            " Tax1ID, Tax2ID, Tax1Code, Tax2Code, Tax1Rate, Tax2Rate, TaxableAmount1,"
            " TaxableAmount2, TaxableAmount3, TaxableAmtCode1, TaxableAmtCode2, TaxableAmtCode3,"
            " ExchangeRate, Recip_ID, CustomerType) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
            " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt* line =
        prepare(db, "INSERT INTO ARInvDet (ARInvoiceID, Seq, Quantity, ItemID,"
                    " UnitPrice, TaxCodes, ItemOvDesc) VALUES (?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt* entry = prepare(db, "INSERT INTO History (History_ID, Person_ID, Client_ID,"
                                      " Tran_Date, Event_Date, \"User\", Event) VALUES (?, ?, ?,"
                                      " ?, ?, ?, ?)");
    if (!invoice || !line || !entry)
        return 1;

    // The lines are shared out over the invoices as evenly as they go.
    long written = 0;
    for (long i = 1; i <= invoices; ++i) {
        const std::string n = std::to_string(10000 + i);
        const long due = lines * i / invoices - written;
        sqlite3_bind_int64(invoice, 1, 500000 + i);
        sqlite3_bind_int64(invoice, 2, 1 + i % 9000);
        text(invoice, 3, n);
        sqlite3_bind_int(invoice, 4, 1);
        text(invoice, 5, "Meals 3/1-3/31/25");
        text(invoice, 6, "2025-04-01");
        sqlite3_bind_int64(invoice, 7, 1390000 * due);
        sqlite3_bind_int64(invoice, 8, 0);
        sqlite3_bind_int64(invoice, 9, 0);
        sqlite3_bind_int64(invoice, 10, 0);
        sqlite3_bind_int64(invoice, 11, 1390000 * due);
        sqlite3_bind_double(invoice, 12, 0.0);
        sqlite3_bind_int(invoice, 13, 0);
        sqlite3_bind_int(invoice, 14, 30);
        sqlite3_bind_int(invoice, 15, 0);
        sqlite3_bind_null(invoice, 16);
        sqlite3_bind_int(invoice, 17, 4);
        sqlite3_bind_int(invoice, 18, 2025);
        sqlite3_bind_int(invoice, 19, 0);
        sqlite3_bind_int(invoice, 20, 0);
        sqlite3_bind_int(invoice, 21, 1);
        sqlite3_bind_int(invoice, 22, 2);
        text(invoice, 23, "N");
        text(invoice, 24, "N");
        sqlite3_bind_double(invoice, 25, 0.0);
        sqlite3_bind_double(invoice, 26, 0.0);
        sqlite3_bind_int64(invoice, 27, 0);
        sqlite3_bind_int64(invoice, 28, 0);
        sqlite3_bind_int64(invoice, 29, 1390000 * due);
        text(invoice, 30, "1");
        text(invoice, 31, "2");
        text(invoice, 32, "N");
        sqlite3_bind_double(invoice, 33, 1.0);
        text(invoice, 34, std::to_string(i % 9000));
        text(invoice, 35, i % 10 == 0 ? "F" : "C");
        if (!step(db, invoice, "insert invoice"))
            return 1;
        for (long seq = 1; seq <= due; ++seq) {
            sqlite3_bind_int64(line, 1, 500000 + i);
            sqlite3_bind_int64(line, 2, seq);
            sqlite3_bind_double(line, 3, 21.0);
            sqlite3_bind_int64(line, 4, 100 + seq);
            sqlite3_bind_int64(line, 5, 69500);
            text(line, 6, "NN");
            text(line, 7, "Roast Chicken, Potatoes 3/1-3/31/25");
            if (!step(db, line, "insert invoice line"))
                return 1;
        }
        written += due;
    }
    for (long i = 1; i <= history; ++i) {
        sqlite3_bind_int64(entry, 1, 900000 + i);
        sqlite3_bind_int64(entry, 2, i);
        text(entry, 3, std::to_string(1000 + i));
        text(entry, 4, "2025-04-01 09:30:00.000");
        text(entry, 5, "2025-04-01");
        text(entry, 6, "bench");
        text(entry, 7, "Invoice " + std::to_string(10000 + i) + " for 3/1/2025-3/31/2025: $29.19");
        if (!step(db, entry, "insert history"))
            return 1;
    }
    sqlite3_finalize(invoice);
    sqlite3_finalize(line);
    sqlite3_finalize(entry);
    const long long ns = transaction.commit();
    if (ns < 0)
        return 1;
    std::printf("baseline: %.3f s, %ld invoices, %ld lines and %ld history entries in one"
                " transaction\n",
                double(ns) / 1e9, invoices, lines, history);
    std::printf("baseline-ns: %lld\n", ns);
    return 0;
}

// The floor for synchronization's first run: the same number of customer and item rows
// inserted straight through the SQLite library, one prepared statement per table, all in one
// transaction, into a copy of the database as it was before the run. Run by scripts/bench sync;
// not part of the test run.
//
//   bench_sqlite_baseline DATABASE CUSTOMERS ITEMS
#include "sqlitecalls.h"

#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Usage: bench_sqlite_baseline DATABASE CUSTOMERS ITEMS\n");
        return 2;
    }
    const long customers = std::atol(argv[2]);
    const long items = std::atol(argv[3]);
    TimedTransaction transaction(argv[1]);
    if (!transaction.begun())
        return 1;
    sqlite3* db = transaction.db();
    sqlite3_stmt* customer =
        prepare(db, "INSERT INTO Customer (CustomerID, CustomerNo, CustomerName, AddressLine1,"
                    " AddressLine2, City, StateProv, ZipCode, Country, Contact, Phone, Fax, EMail,"
                    " NetDays, ShipToName, ShipToAddressLine1, ShipToAddressLine2, ShipToCity,"
                    " ShipToStateProv, ShipToZipCode, ShipToCountry, CustomerType, CurrencyID, COD,"
                    " Suspended, PrintStatement, AllowBackorders) VALUES (?, ?, ?, ?, ?, ?, ?, ?,"
                    " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!customer)
        return 1;
    for (long i = 1; i <= customers; ++i) {
        const std::string n = std::to_string(1000 + i);
        text(customer, 1 + 1, n);
        sqlite3_bind_int64(customer, 1, i);
        text(customer, 3, "Turner" + n + ", Evelyn");
        text(customer, 4, n + " Pine Drive");
        text(customer, 5, "Apt 1F");
        text(customer, 6, "Stonebridge");
        text(customer, 7, "OH");
        text(customer, 8, "43148");
        sqlite3_bind_null(customer, 9);
        text(customer, 10, "Evelyn Turner" + n);
        text(customer, 11, "(740) 555-0127");
        sqlite3_bind_null(customer, 12);
        text(customer, 13, "eturner" + n + "@example.org");
        sqlite3_bind_int(customer, 14, 30);
        text(customer, 15, "Turner" + n + ", Evelyn");
        text(customer, 16, n + " Pine Drive");
        text(customer, 17, "Apt 1F");
        text(customer, 18, "Stonebridge");
        text(customer, 19, "OH");
        text(customer, 20, "43148");
        sqlite3_bind_null(customer, 21);
        text(customer, 22, "C");
        sqlite3_bind_int(customer, 23, 1);
        sqlite3_bind_int(customer, 24, 0);
        sqlite3_bind_int(customer, 25, 0);
        sqlite3_bind_int(customer, 26, 1);
        sqlite3_bind_int(customer, 27, 1);
        if (!step(db, customer, "insert customer"))
            return 1;
    }
    sqlite3_finalize(customer);

    sqlite3_stmt* item = prepare(db, "INSERT INTO Item (ItemID, ItemNo, ItemDescription, UnitPrice,"
                                     " ItemTypeID, Suspended) VALUES (?, ?, ?, ?, ?, 0)");
    if (!item)
        return 1;
    for (long i = 1; i <= items; ++i) {
        sqlite3_bind_int64(item, 1, 100000 + i);
        text(item, 2, "P" + std::to_string(i));
        text(item, 3, "Roast Chicken, Potatoes, Pledge");
        sqlite3_bind_int64(item, 4, 69500);
        sqlite3_bind_int(item, 5, 3);
        if (!step(db, item, "insert item"))
            return 1;
    }
    sqlite3_finalize(item);
    const long long ns = transaction.commit();
    if (ns < 0)
        return 1;
    std::printf("baseline:   %.3f s, %ld customers and %ld items in one transaction\n",
                double(ns) / 1e9, customers, items);
    std::printf("baseline-ns: %lld\n", ns);
    return 0;
}

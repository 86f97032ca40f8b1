#pragma once
// A ledger whose books tie, for the balance reset's tests. No invoice carries taxes.
//
// Customers (balance): 1 "1001" client (110.00), 2 "1002" client (25.00), 3 "2001" funder
// (40.00), 4 "1004" client with no invoices (0.00).
// Items: 1 "101" a meal, 2 "P101" its pledge, 3 "p5" not a pledge (a lower-case p).
// Invoices (key, customer, posted, lines → amount, paid, write-off, owing):
//   1  cust 1 posted    meal 30 + pledge 50 = 80, paid 50 (cheque 601)          owing 30
//   2  cust 1 posted    meal 30 + pledge 50 = 80                                owing 80
//   3  cust 2 posted    meal 20 + pledge 10 = 30, paid 10, write-off 5 (602)    owing 15
//   4  cust 3 posted    meal 40                                                 owing 40
//   5  cust 1 printed, not posted: meal 10 + pledge 5 = 15                      owing 15
//   6  cust 2 posted    meal 3 + "p5" 7 = 10                                    owing 10
// Payment 3 (cheque 603) of customer 1, not posted, pays 10.00 on invoice 2.

#include "common/money.h"

#include <QList>

class Database;

namespace resetledger
{
void create(Database& db);

// Owing and WriteOffAmount of invoices 1 to 6, and Balance of customers 1 to 4, in whole
// currency units (every amount of the ledger is one).
struct Standing {
    QList<qint64> owing;
    QList<qint64> writeOff;
    QList<qint64> balance;
    bool operator==(const Standing&) const = default;
};
Standing standing(Database& db);
char* toString(const Standing& s); // for QCOMPARE
} // namespace resetledger

#pragma once
// A small ledger whose books tie, for the book check's tests to damage one thing at a time.
//
// Customers: 1 "1002" with two posted invoices and balance 20.31; 2 "1003" with one unposted
// invoice and no balance row; 3 "1004" with no invoices and a balance row of 0.
// Invoices (taxes G 5 %, P 7 % on every header):
//   key 1 "10001", customer 1, posted: 3 × 1.235 G (3.71), 2 × 10.00 GP (20.00),
//       1 × 0.005 untaxed (0.01); GST 1.19, PST 1.40, amount 26.31, paid 10.00, owing 16.31.
//   key 2 "10002", customer 1, posted: 1 × 4.00 untaxed; amount and owing 4.00.
//   key 3 "10003", customer 2, not posted: 2.5 × 3.00 G (7.50); GST 0.38, amount 7.88.
// Payments of customer 1: key 1 cheque "501", posted, pays 10.00 on invoice 1; key 2 cheque
// "502", not posted, pays 4.00 on invoice 2 with a 0.10 discount.
// Counters: ARInvCtl 4 / 10004, CustCtl 4, ItemCtl 4, ARPmtCtl 3.

class Database;

namespace bookledger
{
void create(Database& db);
} // namespace bookledger

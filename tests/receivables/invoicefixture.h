#pragma once
// A small ledger for invoice tests: the tables an invoice reads and writes, with customers,
// items, taxes and locations whose values the tests rely on.

#include "common/money.h"

#include <QString>
#include <QVariant>

class Database;

namespace invoicefixture
{
// Customers.
constexpr qint64 kAmes = 1;     // "1002" Ames, Ruth: client, GST and PST, 2% 10 net 30
constexpr qint64 kCounty = 2;   // "COUNTY": funder, exempt from GST, PST, net 30, no ship-to
constexpr qint64 kBaker = 3;    // "1003" Baker, Lou: suspended
constexpr qint64 kCashOnly = 4; // "1004": C.O.D., no taxes
// Items: number, description, list price, tax codes.
constexpr qint64 kHotMeal = 1;    // "101" Hot meal, 1.235, G
constexpr qint64 kTray = 2;       // "102" Tray, 0.005, GP
constexpr qint64 kSoup = 3;       // "103" Soup of the day, 2.00, G, suspended
constexpr qint64 kGoods = 4;      // "104" Goods, 100.00, G
constexpr qint64 kBoth = 5;       // "105" Goods and services, 50.00, GP
constexpr qint64 kServices = 6;   // "106" Services, 20.00, P
constexpr qint64 kHarmonized = 7; // "107" Harmonized, 10.00, H
constexpr qint64 kExcise = 8;     // "108" Excise, 5.00, X
constexpr qint64 kUntaxed = 9;    // "109" Untaxed, 3.00, no codes
// Taxes: GST G 5 %, PST P 7 %.
constexpr qint64 kGst = 1;
constexpr qint64 kPst = 2;
// Locations: "office" (1), "Main" (2), "annex" (3); "annex" is first by name without case.
constexpr qint64 kAnnex = 3;
constexpr int kFiscalYear = 2024;

// Creates the tables and fills them; ARInvCtl gets its one all-empty row.
void create(Database& db);

// One value read with plain SQL, for checking what reached the database.
QVariant scalar(Database& db, const QString& sql);
qint64 count(Database& db, const QString& sql);
Money money(Database& db, const QString& sql);
} // namespace invoicefixture

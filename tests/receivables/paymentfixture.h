#pragma once
// A small ledger for payment tests: customers in two currencies, banks, write-off accounts, the
// organization's periods, and invoices made straight into ARInv in the state a test needs.

#include "common/money.h"

#include <QDate>
#include <QString>

class Database;

namespace paymentfixture
{
// Currencies: US $ (write-offs to 4900), Canadian $ (write-offs to 4950), Pesos (no bank).
constexpr qint64 kDollars = 1;
constexpr qint64 kCanadian = 2;
constexpr qint64 kPesos = 3;
// Banks: "Main Street" and "city credit" in dollars ("city credit" first by name without
// case), "Border Bank" in Canadian dollars.
constexpr qint64 kMainStreet = 1;
constexpr qint64 kCityCredit = 2;
constexpr qint64 kBorderBank = 3;
// Accounts: "4900" Bad debts, "4910" Old write-offs (suspended), "4950" Write-offs CAD.
constexpr qint64 kBadDebts = 1;
constexpr qint64 kOldWriteOffs = 2;
constexpr qint64 kWriteOffsCad = 3;
// Customers: "1002" Ames and "1003" Baker in dollars, "2001" Dupont in Canadian dollars,
// "3001" Garza in pesos.
constexpr qint64 kAmes = 1;
constexpr qint64 kBaker = 2;
constexpr qint64 kDupont = 3;
constexpr qint64 kGarza = 4;
constexpr int kFiscalYear = 2024;

// Creates the tables and fills them; ARPmtCtl gets its one all-empty row.
void create(Database& db);

struct Invoice {
    qint64 id;
    qint64 customerId;
    Money amount;
    Money owing;
    bool posted = true;
    double discPC = 0;
    int discDays = 0;
    QDate date = QDate(2024, 3, 1);
};
// The invoice numbered 5000 + id.
void addInvoice(Database& db, const Invoice& invoice);
QString invoiceNo(qint64 id);

// The payment's rows as the database holds them (header, then lines by Seq), for comparing.
QStringList storedRows(Database& db, qint64 paymentId);
qint64 count(Database& db, const QString& sql);
} // namespace paymentfixture

#pragma once
// A small set of books for the customer tests: the code tables a customer points into, the
// numbering counters and the organization, and helpers to add customers, balances and invoices.

#include "common/money.h"

#include <QString>
#include <memory>

class Database;

namespace customerworld
{
constexpr qint64 kDollars = 1;
constexpr qint64 kEuros = 2;
constexpr qint64 kSalesman = 5;
constexpr qint64 kCustomerType = 7;

// A fresh database on `engine` holding the tables, two currencies, one salesman, one customer
// type and an organization whose default currency is `defaultCurrency`.
std::unique_ptr<Database> freshBooks(const QString& engine, qint64 defaultCurrency = kDollars);
void addCustomer(Database& db, qint64 id, const QString& no, const QString& name,
                 qint64 currencyId = kDollars);
void addBalance(Database& db, qint64 customerId, Money balance);
void addInvoice(Database& db, qint64 invoiceId, qint64 customerId);
void setCounters(Database& db, qint64 nextNo, qint64 nextId);
qint64 count(Database& db, const QString& sql);
} // namespace customerworld

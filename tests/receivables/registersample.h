#pragma once
// A small register of invoices for the register's tests, rules and window alike: two dates, two
// customers and one since removed, a credit, a posted and a printed invoice.

#include <QDate>
#include <QString>
#include <memory>

class Database;

namespace registersample
{
inline const QDate kMarch1(2025, 3, 1);
inline const QDate kMarch2(2025, 3, 2);

struct Invoice {
    qint64 id;
    QString no;
    qint64 customer;
    QDate date;
    qint64 owingCents;
    bool printed = false;
    bool posted = false;
    QString description;
};

// An invoice as the register finds it, with two lines, for 50.00.
void add(Database& db, const Invoice& i);
// The invoice tables, the host's History, the currencies, payments and logo tables, empty.
std::unique_ptr<Database> ledger(const QString& engine);
// Six invoices: two customers, a credit, a posted and a printed one, one of a customer since
// removed (99), and two dates.
void addSample(Database& db);
} // namespace registersample

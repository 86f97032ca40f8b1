#pragma once
// The customer list: each customer with its balance, narrowed by the list's filter and sorted by
// name or by number, as the list screen shows it and `tallywick customers list` writes it.

#include "common/money.h"

#include <QList>
#include <QString>
#include <optional>

class Database;

struct CustomerFilter {
    std::optional<qint64> salesmanId;
    std::optional<qint64> customerTypeId;
    std::optional<qint64> currencyId;
    std::optional<bool> suspended; // nothing: all
    QString customerType;          // "C" or "F"; empty: both (the command line's --type)

    bool isOn() const;
};

// The filter as the list keeps it: its parts joined with " AND ", empty when nothing is chosen.
QString customerFilterExpression(const CustomerFilter& filter);

enum class CustomerOrder { Name, Number };

struct CustomerRow {
    qint64 customerId = 0;
    QString customerNo;
    QString customerName;
    QString contact;
    QString phone;
    QString notes;
    QString customerType;
    Money balance; // 0 without a balance row
    std::optional<qint64> currencyId;
    bool suspended = false;
};

QList<CustomerRow> readCustomers(Database& db, const CustomerFilter& filter, CustomerOrder order);

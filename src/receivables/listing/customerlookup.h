#pragma once
// The customer a register's find dialog or command line names: chosen from the list (by key)
// or typed (by CustomerNo, matched exactly).

#include <QString>
#include <optional>

class Database;

struct NamedCustomer {
    qint64 id = 0;
    QString name;
};

std::optional<NamedCustomer> customerWithId(Database& db, qint64 customerId);
std::optional<NamedCustomer> customerWithNo(Database& db, const QString& customerNo);

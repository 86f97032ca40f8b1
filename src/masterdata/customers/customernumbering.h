#pragma once
// The number and the key of a customer added by hand, drawn from the one row of CustCtl.

#include <QString>
#include <optional>

class Database;

struct CustomerKeys {
    qint64 customerId = 0;
    QString customerNo;
};

// Customer numbers run from 1001 to 10,000,000; a counter outside that range (an empty one
// included) starts again at 1001.
qint64 usableCustomerNumber(std::optional<qint64> counter);

// Takes CustomerNo from NextCustomerNo and CustomerID from NextCustomerID (an empty or zero
// counter starts at 10000) and stores both counters plus one in one short write transaction.
// While another workstation holds the counters the draw is tried again, up to 150 times; after
// that the last engine error is raised and nothing is drawn.
CustomerKeys drawCustomerKeys(Database& db);

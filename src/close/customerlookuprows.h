#pragma once
// The customers the reset screen's "Selected Account:" lookup offers, by bill-to name.

#include <QList>
#include <QString>

class Database;

struct CustomerLookupRow {
    qint64 customerId = 0;
    QString customerNo;   // "ID"
    QString customerName; // "Bill-To", what the lookup box shows
    QString shipToName;   // "Client"
};

QList<CustomerLookupRow> customerLookupRows(Database& db);

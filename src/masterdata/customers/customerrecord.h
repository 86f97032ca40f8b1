#pragma once
// One customer as the record screen and `tallywick customers set` edit it: the Customer row's
// values by field name, whether it is new, and the currency it was saved with (the currency of a
// customer with invoices may not change).

#include <QString>
#include <QVariantMap>
#include <optional>

class Database;

struct CustomerRecord {
    QVariantMap values; // Customer fields by name; a missing or empty value is NULL
    bool inserting = false;
    std::optional<qint64> savedCurrencyId; // as stored; nothing for a new customer

    qint64 customerId() const { return values.value(QStringLiteral("CustomerID")).toLongLong(); }
    QString text(const QString& field) const { return values.value(field).toString(); }
    qint64 id(const QString& field) const { return values.value(field).toLongLong(); }
};

// A new customer: numbered from CustCtl, in the organization's default currency when it names
// one, not COD, not suspended, printing statements, allowing backorders. Raises DbError when no
// number can be drawn.
CustomerRecord newCustomer(Database& db);
// The stored customer; nothing when there is none with this key.
std::optional<CustomerRecord> loadCustomer(Database& db, qint64 customerId);
// The key of the first customer with exactly this number.
std::optional<qint64> customerIdByNo(Database& db, const QString& customerNo);

#include "masterdata/customers/customersave.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"

namespace
{
const QString kCustomerNo = QStringLiteral("CustomerNo");
const QString kCurrencyId = QStringLiteral("CurrencyID");

bool exists(Database& db, const QString& sql, qint64 id)
{
    Statement s = db.prepare(sql);
    s.bind(QStringLiteral(":id"), id).exec();
    return s.next() && s.integer(0) > 0;
}

bool hasInvoices(Database& db, qint64 customerId)
{
    return exists(db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE CustomerID = :id"),
                  customerId);
}

// Another customer already has this number (the index on the number does not refuse it).
bool numberTaken(Database& db, const CustomerRecord& record)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM Customer WHERE CustomerNo = :no AND CustomerID <> :id"));
    s.bind(QStringLiteral(":no"), record.text(kCustomerNo))
        .bind(QStringLiteral(":id"), record.customerId())
        .exec();
    return s.next() && s.integer(0) > 0;
}

CustomerRefusal duplicateNumber()
{
    return {QStringLiteral("Customer no. already exists"), kCustomerNo};
}

void write(Database& db, const CustomerRecord& record)
{
    if (record.inserting) {
        records::insert(db, ar::customer(), record.values);
        return;
    }
    QVariantMap changes = record.values;
    changes.remove(QStringLiteral("CustomerID"));
    // Fields cleared on the screen are stored as NULL: name every field of the table.
    for (const FieldDef& field : ar::customer().fields)
        if (field.name != QLatin1String("CustomerID") && !changes.contains(field.name))
            changes.insert(field.name, QVariant());
    records::update(db, ar::customer(), changes, QStringLiteral("CustomerID = :id"),
                    {{QStringLiteral(":id"), record.customerId()}});
}
} // namespace

CustomerCheck currencyChangeRefusal(Database& db, const CustomerRecord& record,
                                    qint64 newCurrencyId)
{
    if (record.inserting || record.savedCurrencyId == newCurrencyId)
        return std::nullopt;
    if (!hasInvoices(db, record.customerId()))
        return std::nullopt;
    return CustomerRefusal{
        QStringLiteral("Currency cannot be changed... \rInvoice(s) already exist"), kCurrencyId};
}

CustomerCheck checkCustomer(Database& db, const CustomerRecord& record)
{
    if (record.text(kCustomerNo).trimmed().isEmpty())
        return CustomerRefusal{QStringLiteral("Field 'Customer no.' must have a value"),
                               kCustomerNo};
    if (record.text(QStringLiteral("CustomerName")).trimmed().isEmpty())
        return CustomerRefusal{QStringLiteral("Field 'Customer Name' must have a value"),
                               QStringLiteral("CustomerName")};
    const qint64 currency = record.id(kCurrencyId);
    if (currency == 0)
        return CustomerRefusal{QStringLiteral("Field 'Currency' must have a value"), kCurrencyId};
    if (const qint64 salesman = record.id(QStringLiteral("SalesmanID"));
        salesman != 0 &&
        !exists(db, QStringLiteral("SELECT COUNT(*) FROM Salesman WHERE SalesmanID = :id"),
                salesman))
        return CustomerRefusal{QStringLiteral("Salesman no longer exists"),
                               QStringLiteral("SalesmanID")};
    if (const qint64 type = record.id(QStringLiteral("CustomerTypeID"));
        type != 0 &&
        !exists(db, QStringLiteral("SELECT COUNT(*) FROM CusType WHERE CustomerTypeID = :id"),
                type))
        return CustomerRefusal{QStringLiteral("Customer Type no longer exists"),
                               QStringLiteral("CustomerTypeID")};
    if (!exists(db, QStringLiteral("SELECT COUNT(*) FROM Currency WHERE CurrencyID = :id"),
                currency))
        return CustomerRefusal{QStringLiteral("Currency no longer exists"), kCurrencyId};
    if (numberTaken(db, record))
        return duplicateNumber();
    return std::nullopt;
}

CustomerCheck saveCustomer(Database& db, CustomerRecord& record)
{
    try {
        Transaction transaction(db);
        if (CustomerCheck refused = checkCustomer(db, record))
            return refused;
        if (CustomerCheck refused = currencyChangeRefusal(db, record, record.id(kCurrencyId)))
            return refused;
        write(db, record);
        transaction.commit();
    } catch (const DbError& error) {
        if (!error.isKeyViolation())
            throw;
        return duplicateNumber();
    }
    record.inserting = false;
    record.savedCurrencyId = record.id(kCurrencyId);
    return std::nullopt;
}

#include "masterdata/customers/customerrecord.h"

#include "data/artables.h"
#include "engine/database.h"
#include "masterdata/customers/customernumbering.h"

#include <QSqlField>
#include <QSqlRecord>

namespace
{
qint64 defaultCurrencyId(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT DefaultCurrencyID FROM Company"));
    s.exec();
    return s.next() ? s.integer(0) : 0;
}
} // namespace

CustomerRecord newCustomer(Database& db)
{
    CustomerRecord r;
    r.inserting = true;
    const CustomerKeys keys = drawCustomerKeys(db);
    r.values.insert(QStringLiteral("CustomerID"), keys.customerId);
    r.values.insert(QStringLiteral("CustomerNo"), keys.customerNo);
    if (const qint64 currency = defaultCurrencyId(db); currency > 0)
        r.values.insert(QStringLiteral("CurrencyID"), currency);
    r.values.insert(QStringLiteral("COD"), false);
    r.values.insert(QStringLiteral("Suspended"), false);
    r.values.insert(QStringLiteral("PrintStatement"), true);
    r.values.insert(QStringLiteral("AllowBackorders"), true);
    return r;
}

std::optional<CustomerRecord> loadCustomer(Database& db, qint64 customerId)
{
    Statement s = db.prepare(QStringLiteral("SELECT * FROM Customer WHERE CustomerID = :id"));
    s.bind(QStringLiteral(":id"), customerId).exec();
    if (!s.next())
        return std::nullopt;
    CustomerRecord r;
    const QSqlRecord row = s.record();
    // Field names as the table declares them, whatever case the engine reports.
    for (const FieldDef& field : ar::customer().fields) {
        const int column = row.indexOf(field.name);
        if (column < 0 || row.isNull(column))
            continue;
        r.values.insert(field.name, field.type == FieldType::Boolean
                                        ? QVariant(s.boolean(field.name))
                                        : s.value(field.name));
    }
    if (!s.isNull(QStringLiteral("CurrencyID")))
        r.savedCurrencyId = s.integer(QStringLiteral("CurrencyID"));
    return r;
}

std::optional<qint64> customerIdByNo(Database& db, const QString& customerNo)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT CustomerID FROM Customer WHERE CustomerNo = :no ORDER BY CustomerID"));
    s.bind(QStringLiteral(":no"), customerNo).exec();
    if (!s.next())
        return std::nullopt;
    return s.integer(0);
}

#include "receivables/invoices/invoicelookups.h"

#include "data/lookupfields.h"
#include "engine/database.h"
#include "engine/rowvalues.h"

namespace
{

const QString kCustomerColumns = QStringLiteral(
    "CustomerID, CustomerNo, CustomerName, AddressLine1, AddressLine2, City, StateProv, ZipCode, "
    "Country, ShipToName, ShipToAddressLine1, ShipToAddressLine2, ShipToCity, ShipToStateProv, "
    "ShipToZipCode, ShipToCountry, CustomerType, Suspended, Tax1ID, Tax2ID, Tax1ExemptionNo, "
    "Tax2ExemptionNo, DiscPC, DiscDays, NetDays, COD");

const QString kItemColumns =
    QStringLiteral("ItemID, ItemNo, ItemDescription, UnitPrice, TaxCodes, Suspended, ItemTypeID");

using namespace rowvalues;

QString trimmedText(const Statement& s, const QString& column)
{
    return s.text(column).trimmed();
}

CustomerInfo readCustomer(const Statement& s)
{
    const auto t = [&s](const char* column) { return s.text(QString::fromLatin1(column)); };
    CustomerInfo c;
    c.customerId = s.integer(QStringLiteral("CustomerID"));
    c.customerNo = t("CustomerNo");
    c.customerName = t("CustomerName");
    c.address = joinedAddress({t("AddressLine1"), t("AddressLine2"), t("City"), t("StateProv"),
                               t("ZipCode"), t("Country")});
    c.shipToName = t("ShipToName");
    c.shipToAddress =
        joinedAddress({t("ShipToAddressLine1"), t("ShipToAddressLine2"), t("ShipToCity"),
                       t("ShipToStateProv"), t("ShipToZipCode"), t("ShipToCountry")});
    c.customerType = trimmedText(s, QStringLiteral("CustomerType"));
    c.suspended = s.boolean(QStringLiteral("Suspended"));
    c.tax1Id = s.optionalInteger(QStringLiteral("Tax1ID"));
    c.tax2Id = s.optionalInteger(QStringLiteral("Tax2ID"));
    c.tax1ExemptionNo = trimmedText(s, QStringLiteral("Tax1ExemptionNo"));
    c.tax2ExemptionNo = trimmedText(s, QStringLiteral("Tax2ExemptionNo"));
    c.discPC = optionalReal(s, QStringLiteral("DiscPC"));
    c.discDays = optionalInt(s, QStringLiteral("DiscDays"));
    c.netDays = optionalInt(s, QStringLiteral("NetDays"));
    if (!s.isNull(QStringLiteral("COD")))
        c.cod = s.boolean(QStringLiteral("COD"));
    return c;
}

ItemInfo readItem(const Statement& s)
{
    ItemInfo i;
    i.itemId = s.integer(QStringLiteral("ItemID"));
    i.itemNo = s.text(QStringLiteral("ItemNo"));
    i.itemDescription = s.text(QStringLiteral("ItemDescription"));
    if (!s.isNull(QStringLiteral("UnitPrice")))
        i.unitPrice = s.money(QStringLiteral("UnitPrice"));
    i.taxCodes = s.text(QStringLiteral("TaxCodes"));
    i.suspended = s.boolean(QStringLiteral("Suspended"));
    i.itemTypeId = s.optionalInteger(QStringLiteral("ItemTypeID"));
    return i;
}

} // namespace

namespace invoicelookup
{

std::optional<CustomerInfo> customerById(Database& db, qint64 customerId)
{
    return rowByKey(db, QStringLiteral("Customer"), QStringLiteral("CustomerID"), kCustomerColumns,
                    customerId, readCustomer);
}

std::optional<CustomerInfo> customerByNo(Database& db, const QString& customerNo)
{
    return firstRowByNumber(db, QStringLiteral("Customer"), QStringLiteral("CustomerNo"),
                            QStringLiteral("CustomerID"), kCustomerColumns, customerNo,
                            readCustomer);
}

std::optional<ItemInfo> itemById(Database& db, qint64 itemId)
{
    return rowByKey(db, QStringLiteral("Item"), QStringLiteral("ItemID"), kItemColumns, itemId,
                    readItem);
}

std::optional<ItemInfo> itemByNo(Database& db, const QString& itemNo)
{
    return firstRowByNumber(db, QStringLiteral("Item"), QStringLiteral("ItemNo"),
                            QStringLiteral("ItemID"), kItemColumns, itemNo, readItem);
}

std::optional<TaxInfo> taxById(Database& db, qint64 taxId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT TaxID, TaxCode, Rate, TaxDescription FROM Tax WHERE TaxID = :id"));
    s.bind(QStringLiteral("id"), taxId).exec();
    if (!s.next())
        return std::nullopt;
    TaxInfo t;
    t.taxId = s.integer(QStringLiteral("TaxID"));
    t.taxCode = trimmedText(s, QStringLiteral("TaxCode"));
    t.rate = optionalReal(s, QStringLiteral("Rate"));
    t.taxDescription = s.text(QStringLiteral("TaxDescription"));
    return t;
}

bool warehouseExists(Database& db, qint64 warehouseId)
{
    Statement s = db.prepare(QStringLiteral("SELECT 1 FROM Warehse WHERE WarehouseID = :id"));
    s.bind(QStringLiteral("id"), warehouseId).exec();
    return s.next();
}

std::optional<qint64> firstWarehouse(Database& db)
{
    // Rows without a name come first, as they do in the name index on both engines.
    Statement s = db.prepare(
        QStringLiteral("SELECT WarehouseID FROM Warehse ORDER BY CASE WHEN WarehouseName IS NULL "
                       "THEN 0 ELSE 1 END, %1, WarehouseID LIMIT 1")
            .arg(db.dialect().nocaseOrder(QStringLiteral("WarehouseName"))));
    s.exec();
    if (!s.next())
        return std::nullopt;
    return s.optionalInteger(QStringLiteral("WarehouseID"));
}

CompanyPeriods companyPeriods(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT FiscalYear, DefaultPeriodPP, DefaultPeriodYYYY "
                                            "FROM Company ORDER BY CompanyNo LIMIT 1"));
    s.exec();
    CompanyPeriods c;
    if (s.next()) {
        c.fiscalYear = int(s.integer(QStringLiteral("FiscalYear")));
        c.defaultPeriod = int(s.integer(QStringLiteral("DefaultPeriodPP")));
        c.defaultYear = int(s.integer(QStringLiteral("DefaultPeriodYYYY")));
    }
    return c;
}

namespace
{
// The value remembered under the key, read once.
template <typename Map, typename Key, typename Read>
auto remembered(Map& map, const Key& key, Read read) -> typename Map::mapped_type
{
    auto found = map.constFind(key);
    if (found == map.constEnd())
        found = map.insert(key, read());
    return *found;
}

// The customer under the key, if there is one.
template <typename Key>
std::optional<CustomerInfo> found(const QHash<Key, CustomerInfo>& customers, const Key& key)
{
    const auto it = customers.constFind(key);
    return it == customers.constEnd() ? std::nullopt : std::optional<CustomerInfo>(*it);
}

// Every customer once for the run, in one statement: the run writes an invoice for most of them.
void loadCustomers(Database& db, RunLookups& run)
{
    if (run.customersLoaded)
        return;
    Statement s = db.prepare(
        QStringLiteral("SELECT %1 FROM Customer ORDER BY CustomerID").arg(kCustomerColumns));
    s.exec();
    while (s.next()) {
        CustomerInfo customer = readCustomer(s);
        // The first customer (by key) with a number is the one its number finds.
        if (!customer.customerNo.isEmpty() && !run.customersByNo.contains(customer.customerNo))
            run.customersByNo.insert(customer.customerNo, customer);
        run.customersById.insert(customer.customerId, std::move(customer));
    }
    run.customersLoaded = true;
}

} // namespace

std::optional<CustomerInfo> customerById(Database& db, qint64 customerId, RunLookups* run)
{
    if (!run)
        return customerById(db, customerId);
    loadCustomers(db, *run);
    return found(run->customersById, customerId);
}

std::optional<CustomerInfo> customerByNo(Database& db, const QString& customerNo, RunLookups* run)
{
    if (!run)
        return customerByNo(db, customerNo);
    loadCustomers(db, *run);
    return found(run->customersByNo, customerNo);
}

bool warehouseExists(Database& db, qint64 warehouseId, RunLookups* run)
{
    if (!run)
        return warehouseExists(db, warehouseId);
    return remembered(run->warehouses, warehouseId,
                      [&] { return warehouseExists(db, warehouseId); });
}

std::optional<qint64> firstWarehouse(Database& db, RunLookups* run)
{
    if (!run)
        return firstWarehouse(db);
    if (!run->firstWarehouse)
        run->firstWarehouse = firstWarehouse(db);
    return *run->firstWarehouse;
}

CompanyPeriods companyPeriods(Database& db, RunLookups* run)
{
    if (!run)
        return companyPeriods(db);
    if (!run->company)
        run->company = companyPeriods(db);
    return *run->company;
}

} // namespace invoicelookup

#pragma once
// What an invoice looks up in the code tables and the customer list: the billed and the
// delivered-to customer, items, taxes, locations and the organization's period settings.

#include "common/money.h"

#include <QHash>
#include <QString>
#include <optional>

class Database;

struct CustomerInfo {
    qint64 customerId = 0;
    QString customerNo;
    QString customerName;
    QString address; // AddressLine1, then the other non-empty parts after ", "
    QString shipToName;
    QString shipToAddress; // the same from the ship-to fields
    QString customerType;
    bool suspended = false;
    std::optional<qint64> tax1Id;
    std::optional<qint64> tax2Id;
    QString tax1ExemptionNo;
    QString tax2ExemptionNo;
    std::optional<double> discPC;
    std::optional<int> discDays;
    std::optional<int> netDays;
    std::optional<bool> cod;
};

struct ItemInfo {
    qint64 itemId = 0;
    QString itemNo;
    QString itemDescription;
    std::optional<Money> unitPrice;
    QString taxCodes;
    bool suspended = false;
    std::optional<qint64> itemTypeId;
};

struct TaxInfo {
    qint64 taxId = 0;
    QString taxCode;
    std::optional<double> rate;
    QString taxDescription;
};

struct CompanyPeriods {
    int fiscalYear = 0;    // 0 while the fiscal year is not defined
    int defaultPeriod = 0; // DefaultPeriodPP, 0 when not set
    int defaultYear = 0;   // DefaultPeriodYYYY, 0 when not set
};

namespace invoicelookup
{
std::optional<CustomerInfo> customerById(Database& db, qint64 customerId);
// The first customer (by key) with exactly this number.
std::optional<CustomerInfo> customerByNo(Database& db, const QString& customerNo);
std::optional<ItemInfo> itemById(Database& db, qint64 itemId);
std::optional<ItemInfo> itemByNo(Database& db, const QString& itemNo);
std::optional<TaxInfo> taxById(Database& db, qint64 taxId);
bool warehouseExists(Database& db, qint64 warehouseId);
// The first location in name order, without regard to case.
std::optional<qint64> firstWarehouse(Database& db);
// The organization row; all 0 when there is none.
CompanyPeriods companyPeriods(Database& db);

// What invoices written one after another in a run (invoice generation) look up alike: the
// organization's periods, the first location, the locations, customers and items, each read
// once for the run instead of once or twice per invoice. A document without it reads afresh.
struct RunLookups {
    QHash<qint64, std::optional<ItemInfo>> items;
    std::optional<CompanyPeriods> company;
    std::optional<std::optional<qint64>> firstWarehouse;
    QHash<qint64, bool> warehouses;
    bool customersLoaded = false;
    QHash<qint64, CustomerInfo> customersById;
    QHash<QString, CustomerInfo> customersByNo;
};
// The lookups above through a run's memory when there is one.
std::optional<CustomerInfo> customerById(Database& db, qint64 customerId, RunLookups* run);
std::optional<CustomerInfo> customerByNo(Database& db, const QString& customerNo, RunLookups* run);
bool warehouseExists(Database& db, qint64 warehouseId, RunLookups* run);
std::optional<qint64> firstWarehouse(Database& db, RunLookups* run);
CompanyPeriods companyPeriods(Database& db, RunLookups* run);
} // namespace invoicelookup

#include "data/seeding.h"

#include "data/artables.h"
#include "data/companyrow.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/transaction.h"

#include <QDate>

namespace
{

struct SeedItem {
    int id;
    const char* number;
    const char* description;
    int type;
};

// The six meal kinds and their pledge counterparts.
const SeedItem kItems[] = {
    {1, "B", "Breakfast", 1},
    {2, "L", "Lunch", 2},
    {3, "D", "Dinner", 3},
    {4, "MF", "Medical Food", 4},
    {5, "SM", "Specialized Medical Food", 5},
    {6, "O", "Other", 6},
    {7, "PB", "Breakfast, Pledge", 1},
    {8, "PL", "Lunch, Pledge", 2},
    {9, "PD", "Dinner, Pledge", 3},
    {10, "PMF", "Medical Food, Pledge", 4},
    {11, "PSM", "Specialized Medical Food, Pledge", 5},
    {12, "PO", "Other, Pledge", 6},
};

const char* const kItemTypes[] = {"Breakfast [B]",
                                  "Lunch [L]",
                                  "Dinner [D]",
                                  "Medical Food [MF]",
                                  "Specialized Medical Food [SM]",
                                  "Other [O]"};

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

namespace seed
{

bool items(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("Item")))
        return false;
    const TableDef table = ar::item();
    Transaction tx(db);
    for (const SeedItem& item : kItems) {
        records::insert(db, table,
                        {{QStringLiteral("ItemID"), item.id},
                         {QStringLiteral("ItemNo"), text(item.number)},
                         {QStringLiteral("ItemDescription"), text(item.description)},
                         {QStringLiteral("ItemTypeID"), item.type},
                         {QStringLiteral("Suspended"), false}});
    }
    tx.commit();
    return true;
}

bool itemControl(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("ItemCtl")))
        return false;
    records::insert(db, ar::itemCtl(),
                    {{QStringLiteral("NextItemID"), 13}, {QStringLiteral("NextItemNo"), 13}});
    return true;
}

bool itemTypes(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("ItemType")))
        return false;
    const TableDef table = ar::itemType();
    Transaction tx(db);
    int id = 0;
    for (const char* name : kItemTypes) {
        records::insert(db, table,
                        {{QStringLiteral("ItemTypeID"), ++id},
                         {QStringLiteral("TypeName"), text(name)},
                         {QStringLiteral("Inventory"), false},
                         {QStringLiteral("CostingMethod"), 1}});
    }
    tx.commit();
    return true;
}

void refreshCompany(Database& db)
{
    // The host is the master of the organization's name, address and phone.
    QVariantMap values = companyrow::fromHostConfig(db);
    values.insert(QStringLiteral("CompanyNo"), 1);

    const QVariantMap defaults{
        {QStringLiteral("FiscalYear"), QDate::currentDate().year()},
        {QStringLiteral("DefaultCurrencyID"), 1},
        {QStringLiteral("DefaultNetDays"), 30},
        {QStringLiteral("ClientInvoiceLineItems"), QStringLiteral("D")},
        {QStringLiteral("ClientInvoiceFormat"), QStringLiteral("I")},
        {QStringLiteral("FunderInvoiceLineItems"), QStringLiteral("D")},
        {QStringLiteral("FunderInvoiceFormat"), QStringLiteral("S")},
        {QStringLiteral("FunderInvoicingMethod"), QStringLiteral("O")},
        {QStringLiteral("SuppressPosting"), false},
        {QStringLiteral("SuppressInvoiceWording"), false},
    };

    const TableDef table = ar::company();
    Statement first = db.query(QStringLiteral("SELECT * FROM Company ORDER BY CompanyNo LIMIT 1"));
    first.exec();
    if (!first.next()) {
        first.finish();
        values.insert(defaults);
        records::insert(db, table, values);
        return;
    }
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it) {
        if (first.text(it.key()).isEmpty()) // only an empty field takes its default; 0 stays 0
            values.insert(it.key(), it.value());
    }
    first.finish();
    companyrow::update(db, values);
}

bool warehouse(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("Warehse")))
        return false;
    records::insert(db, ar::warehouse(),
                    {{QStringLiteral("WarehouseID"), 1},
                     {QStringLiteral("WarehouseName"), QStringLiteral("Office")}});
    return true;
}

bool bank(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("Bank")))
        return false;
    records::insert(db, ar::bank(),
                    {{QStringLiteral("BankID"), 1},
                     {QStringLiteral("BankName"), QStringLiteral("Meal Deliveries Account")},
                     {QStringLiteral("CurrencyID"), 1}});
    return true;
}

QString currencyNameForPostalFormat(const QString& postalFormat)
{
    // Codes are compared with trailing blanks ignored, as the host's fixed-width field holds them.
    QString code = postalFormat;
    while (code.endsWith(QLatin1Char(' ')))
        code.chop(1);
    if (code == QLatin1String("USA"))
        return QStringLiteral("US $");
    if (code == QLatin1String("CAN"))
        return QStringLiteral("Canadian $");
    if (code == QLatin1String("UK"))
        return QStringLiteral("Pounds");
    return {};
}

bool currency(Database& db)
{
    if (!schema::isEmpty(db, QStringLiteral("Currency")))
        return false;
    Statement config = db.query(QStringLiteral("SELECT Postal_Format FROM Config LIMIT 1"));
    config.exec();
    const QString postalFormat = config.next() ? config.text(0) : QString();
    config.finish();
    records::insert(db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), 1},
                     {QStringLiteral("CurrencyName"), currencyNameForPostalFormat(postalFormat)},
                     {QStringLiteral("ExchangeRate"), 1.0}});
    return true;
}

} // namespace seed

#include "invoicefixture.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"

namespace invoicefixture
{

namespace
{

void customer(Database& db, qint64 id, const QString& no, const QString& name,
              const QVariantMap& more)
{
    QVariantMap v{{QStringLiteral("CustomerID"), id},
                  {QStringLiteral("CustomerNo"), no},
                  {QStringLiteral("CustomerName"), name},
                  {QStringLiteral("Suspended"), false}};
    for (auto it = more.constBegin(); it != more.constEnd(); ++it)
        v.insert(it.key(), it.value());
    records::insert(db, ar::customer(), v);
}

void item(Database& db, qint64 id, const QString& no, const QString& description, qint64 priceRaw,
          const QString& codes, bool suspended = false)
{
    records::insert(db, ar::item(),
                    {{QStringLiteral("ItemID"), id},
                     {QStringLiteral("ItemNo"), no},
                     {QStringLiteral("ItemDescription"), description},
                     {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromRaw(priceRaw))},
                     {QStringLiteral("TaxCodes"), codes},
                     {QStringLiteral("Suspended"), suspended}});
}

void tax(Database& db, qint64 id, const QString& name, double rate, const QString& code,
         const QString& description)
{
    records::insert(db, ar::tax(),
                    {{QStringLiteral("TaxID"), id},
                     {QStringLiteral("TaxName"), name},
                     {QStringLiteral("Rate"), rate},
                     {QStringLiteral("TaxCode"), code},
                     {QStringLiteral("TaxDescription"), description}});
}

} // namespace

void create(Database& db)
{
    for (const TableDef& t : {ar::arInv(), ar::arInvDet(), ar::arInvCtl(), ar::customer(),
                              ar::item(), ar::tax(), ar::warehouse(), ar::company()})
        schema::createTable(db, t);
    db.exec(QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceID) VALUES (NULL)"));
    records::insert(db, ar::company(),
                    {{QStringLiteral("CompanyNo"), 1},
                     {QStringLiteral("CompanyName"), QStringLiteral("Hearth Meals")},
                     {QStringLiteral("FiscalYear"), kFiscalYear}});
    const TableDef warehouse = ar::warehouse();
    records::insert(db, warehouse,
                    {{QStringLiteral("WarehouseID"), 1},
                     {QStringLiteral("WarehouseName"), QStringLiteral("office")}});
    records::insert(db, warehouse,
                    {{QStringLiteral("WarehouseID"), 2},
                     {QStringLiteral("WarehouseName"), QStringLiteral("Main")}});
    records::insert(db, warehouse,
                    {{QStringLiteral("WarehouseID"), kAnnex},
                     {QStringLiteral("WarehouseName"), QStringLiteral("annex")}});

    tax(db, kGst, QStringLiteral("Goods and services"), 5.0, QStringLiteral("G"),
        QStringLiteral("GST"));
    tax(db, kPst, QStringLiteral("Provincial"), 7.0, QStringLiteral("P"), QStringLiteral("PST"));

    customer(db, kAmes, QStringLiteral("1002"), QStringLiteral("Ames, Ruth"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("AddressLine1"), QStringLiteral("4 Elm St")},
              {QStringLiteral("City"), QStringLiteral("Dayton")},
              {QStringLiteral("StateProv"), QStringLiteral("OH")},
              {QStringLiteral("ZipCode"), QStringLiteral("45402")},
              {QStringLiteral("ShipToName"), QStringLiteral("Ruth Ames")},
              {QStringLiteral("ShipToAddressLine1"), QStringLiteral("9 Oak Ave")},
              {QStringLiteral("ShipToCity"), QStringLiteral("Dayton")},
              {QStringLiteral("Tax1ID"), kGst},
              {QStringLiteral("Tax2ID"), kPst},
              {QStringLiteral("DiscPC"), 2.0},
              {QStringLiteral("DiscDays"), 10},
              {QStringLiteral("NetDays"), 30},
              {QStringLiteral("COD"), false}});
    customer(db, kCounty, QStringLiteral("COUNTY"), QStringLiteral("County Aging Office"),
             {{QStringLiteral("CustomerType"), QStringLiteral("F")},
              {QStringLiteral("AddressLine1"), QStringLiteral("1 Court Sq")},
              {QStringLiteral("Tax1ID"), kGst},
              {QStringLiteral("Tax1ExemptionNo"), QStringLiteral("EX-4471")},
              {QStringLiteral("Tax2ID"), kPst},
              {QStringLiteral("NetDays"), 30}});
    customer(db, kBaker, QStringLiteral("1003"), QStringLiteral("Baker, Lou"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("Suspended"), true}});
    customer(db, kCashOnly, QStringLiteral("1004"), QStringLiteral("Cole, Ada"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("COD"), true},
              {QStringLiteral("DiscPC"), 3.0},
              {QStringLiteral("NetDays"), 15}});

    item(db, kHotMeal, QStringLiteral("101"), QStringLiteral("Hot meal"), 12350,
         QStringLiteral("G"));
    item(db, kTray, QStringLiteral("102"), QStringLiteral("Tray"), 50, QStringLiteral("GP"));
    item(db, kSoup, QStringLiteral("103"), QStringLiteral("Soup of the day"), 20000,
         QStringLiteral("G"), true);
    item(db, kGoods, QStringLiteral("104"), QStringLiteral("Goods"), 1000000, QStringLiteral("G"));
    item(db, kBoth, QStringLiteral("105"), QStringLiteral("Goods and services"), 500000,
         QStringLiteral("GP"));
    item(db, kServices, QStringLiteral("106"), QStringLiteral("Services"), 200000,
         QStringLiteral("P"));
    item(db, kHarmonized, QStringLiteral("107"), QStringLiteral("Harmonized"), 100000,
         QStringLiteral("H"));
    item(db, kExcise, QStringLiteral("108"), QStringLiteral("Excise"), 50000, QStringLiteral("X"));
    item(db, kUntaxed, QStringLiteral("109"), QStringLiteral("Untaxed"), 30000, QString());
}

QVariant scalar(Database& db, const QString& sql)
{
    Statement s = db.query(sql);
    s.exec();
    return s.next() ? s.value(0) : QVariant();
}

qint64 count(Database& db, const QString& sql)
{
    return scalar(db, sql).toLongLong();
}

Money money(Database& db, const QString& sql)
{
    return Money::fromRaw(scalar(db, sql).toLongLong());
}

} // namespace invoicefixture

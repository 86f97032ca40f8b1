#include "printfixture.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

#include <QDate>

namespace printfixture
{

namespace
{

void customer(Database& db, qint64 id, const QString& no, const QString& name,
              const QVariantMap& more)
{
    QVariantMap v{{QStringLiteral("CustomerID"), id},
                  {QStringLiteral("CustomerNo"), no},
                  {QStringLiteral("CustomerName"), name},
                  {QStringLiteral("CurrencyID"), 1}};
    v.insert(more);
    records::insert(db, ar::customer(), v);
}

} // namespace

Money cents(qint64 cents)
{
    return Money::fromCents(cents);
}

void create(Database& db)
{
    for (const TableDef& t : {ar::arInv(), ar::arInvDet(), ar::customer(), ar::item(), ar::tax(),
                              ar::currency(), ar::warehouse(), ar::company(), ar::logo()})
        schema::createTable(db, t);
    records::insert(db, ar::company(),
                    {{QStringLiteral("CompanyNo"), 1},
                     {QStringLiteral("CompanyName"), QStringLiteral("Hearth Meals")}});
    records::insert(db, ar::warehouse(),
                    {{QStringLiteral("WarehouseID"), 1},
                     {QStringLiteral("WarehouseName"), QStringLiteral("Main kitchen")}});
    records::insert(db, ar::currency(),
                    {{QStringLiteral("CurrencyID"), 1},
                     {QStringLiteral("CurrencyName"), QStringLiteral("US Dollar")}});
    records::insert(db, ar::tax(),
                    {{QStringLiteral("TaxID"), kGst},
                     {QStringLiteral("TaxName"), QStringLiteral("Goods and services")},
                     {QStringLiteral("Rate"), 5.0},
                     {QStringLiteral("TaxCode"), QStringLiteral("G")},
                     {QStringLiteral("TaxDescription"), QStringLiteral("GST")}});
    records::insert(db, ar::tax(),
                    {{QStringLiteral("TaxID"), kPst},
                     {QStringLiteral("TaxName"), QStringLiteral("Provincial")},
                     {QStringLiteral("Rate"), 7.0},
                     {QStringLiteral("TaxCode"), QStringLiteral("P")},
                     {QStringLiteral("TaxDescription"), QStringLiteral("PST")}});

    customer(db, kAmes, QStringLiteral("1002"), QStringLiteral("Ames, Ruth"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("Contact"), QStringLiteral("Ruth Ames")},
              {QStringLiteral("AddressLine1"), QStringLiteral("4 Elm St")},
              {QStringLiteral("City"), QStringLiteral("Dayton")},
              {QStringLiteral("StateProv"), QStringLiteral("OH")},
              {QStringLiteral("ZipCode"), QStringLiteral("45402")},
              {QStringLiteral("Country"), QStringLiteral("USA")},
              {QStringLiteral("CustomerMessage"), QStringLiteral("Thank you, Ruth")},
              {QStringLiteral("ShipToName"), QStringLiteral("Ruth Ames")},
              {QStringLiteral("ShipToAddressLine1"), QStringLiteral("9 Oak Ave")},
              {QStringLiteral("ShipToAddressLine2"), QStringLiteral("Back door")},
              {QStringLiteral("ShipToCity"), QStringLiteral("Kettering")},
              {QStringLiteral("ShipToStateProv"), QStringLiteral("OH")},
              {QStringLiteral("ShipToZipCode"), QStringLiteral("45429")}});
    customer(db, kCounty, QStringLiteral("COUNTY"), QStringLiteral("County Aging Office"),
             {{QStringLiteral("CustomerType"), QStringLiteral("F")},
              {QStringLiteral("Contact"), QStringLiteral("Pat Lee")},
              {QStringLiteral("AddressLine1"), QStringLiteral("1 Court Sq")},
              {QStringLiteral("AddressLine2"), QStringLiteral("Suite 2")},
              {QStringLiteral("City"), QStringLiteral("Dayton")},
              {QStringLiteral("TaxNo"), QStringLiteral("TX-88")}});
    customer(db, kBaker, QStringLiteral("1003"), QStringLiteral("baker, lou"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("Contact"), QStringLiteral("Lou Baker")}});
    customer(db, kCole, QStringLiteral("0999"), QStringLiteral("Cole, Ada"),
             {{QStringLiteral("CustomerType"), QStringLiteral("C")},
              {QStringLiteral("ShipToName"), QStringLiteral("Ada Cole")}});

    records::insert(db, ar::item(),
                    {{QStringLiteral("ItemID"), kHotMeal},
                     {QStringLiteral("ItemNo"), QStringLiteral("101")},
                     {QStringLiteral("ItemDescription"), QStringLiteral("Hot meal")},
                     {QStringLiteral("TaxCodes"), QStringLiteral("G")}});
    records::insert(db, ar::item(),
                    {{QStringLiteral("ItemID"), kTray},
                     {QStringLiteral("ItemNo"), QStringLiteral("102")},
                     {QStringLiteral("ItemDescription"), QStringLiteral("Tray")},
                     {QStringLiteral("TaxCodes"), QStringLiteral("GPX")}});
}

qint64 addInvoice(Database& db, qint64 id, qint64 customerId, const QString& invoiceNo,
                  Money amount, const QVariantMap& more)
{
    QVariantMap v{{QStringLiteral("ARInvoiceID"), id},
                  {QStringLiteral("CustomerID"), customerId},
                  {QStringLiteral("InvoiceNo"), invoiceNo},
                  {QStringLiteral("WarehouseID"), 1},
                  {QStringLiteral("InvoiceDate"), QDate(2024, 3, 1)},
                  {QStringLiteral("InvoiceAmount"), QVariant::fromValue(amount)},
                  {QStringLiteral("Owing"), QVariant::fromValue(amount)},
                  {QStringLiteral("NetDays"), 0},
                  {QStringLiteral("COD"), false},
                  {QStringLiteral("Printed"), false},
                  {QStringLiteral("Posted"), false}};
    v.insert(more);
    records::insert(db, ar::arInv(), v);
    return id;
}

void addLine(Database& db, qint64 invoiceId, int seq, const QVariantMap& values)
{
    QVariantMap v{{QStringLiteral("ARInvoiceID"), invoiceId}, {QStringLiteral("Seq"), seq}};
    v.insert(values);
    records::insert(db, ar::arInvDet(), v);
}

void setCompany(Database& db, const QVariantMap& values)
{
    records::update(db, ar::company(), values, QStringLiteral("CompanyNo = 1"));
}

qint64 scalar(Database& db, const QString& sql)
{
    return testdb::scalar(db, sql);
}

} // namespace printfixture

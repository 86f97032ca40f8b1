#include "registersample.h"

#include "data/artables.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "invoicefixture.h"
#include "testdatabases.h"

using namespace invoicefixture;

namespace registersample
{

void add(Database& db, const Invoice& i)
{
    records::insert(db, ar::arInv(),
                    {{QStringLiteral("ARInvoiceID"), i.id},
                     {QStringLiteral("InvoiceNo"), i.no},
                     {QStringLiteral("CustomerID"), i.customer},
                     {QStringLiteral("InvoiceDate"), i.date},
                     {QStringLiteral("Description"), i.description},
                     {QStringLiteral("InvoiceAmount"), QVariant::fromValue(Money::fromCents(5000))},
                     {QStringLiteral("PaidAmount"), QVariant::fromValue(Money())},
                     {QStringLiteral("DiscTakenAmount"), QVariant::fromValue(Money())},
                     {QStringLiteral("WriteOffAmount"), QVariant::fromValue(Money())},
                     {QStringLiteral("Owing"), QVariant::fromValue(Money::fromCents(i.owingCents))},
                     {QStringLiteral("GLPeriod"), 3},
                     {QStringLiteral("GLYear"), 2025},
                     {QStringLiteral("Printed"), i.printed},
                     {QStringLiteral("Posted"), i.posted}});
    for (int seq : {1, 2})
        records::insert(db, ar::arInvDet(),
                        {{QStringLiteral("ARInvoiceID"), i.id},
                         {QStringLiteral("Seq"), seq},
                         {QStringLiteral("Quantity"), 1.0},
                         {QStringLiteral("ItemID"), kGoods},
                         {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromCents(2500))},
                         {QStringLiteral("TaxCodes"), QStringLiteral("G")}});
}

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = testdb::fresh(engine);
    create(*db);
    schema::createTable(*db, host::history());
    schema::createTable(*db, ar::logo());
    schema::createTable(*db, ar::currency());
    schema::createTable(*db, ar::arPmt());
    schema::createTable(*db, ar::arInvPmt());
    return db;
}

void addSample(Database& db)
{
    add(db,
        {1, QStringLiteral("10001"), kAmes, kMarch1, 5000, true, true, QStringLiteral("March")});
    add(db, {2, QStringLiteral("10002"), kAmes, kMarch2, -3000, false, false,
             QStringLiteral("Credit")});
    add(db, {3, QStringLiteral("10003"), kCounty, kMarch1, 0, true, false, QStringLiteral("Paid")});
    add(db, {4, QStringLiteral("10004"), kAmes, kMarch1, 0, false, false, QStringLiteral("none")});
    add(db,
        {5, QStringLiteral("09999"), kCounty, kMarch2, 700, false, false, QStringLiteral("Old")});
    add(db, {6, QStringLiteral("10005"), 99, kMarch1, 100, true, false, QStringLiteral("Gone")});
}

} // namespace registersample

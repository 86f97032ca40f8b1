#include "billing/extraction.h"

#include "billing/extractiontables.h"
#include "engine/database.h"

namespace billing
{

namespace
{

const QString kComp = QStringLiteral(
    "CASE WHEN Deliveri.Delivery_Status = 'C' THEN 'Complimentary' ELSE '' END AS Comp");

// The period's bounds as literals: a statement that makes a table cannot take parameters on
// every engine. Dates are the only values written into the text.
QString bounds(const Dialect& d, const QString& table, const DeliveryPeriod& period)
{
    return QStringLiteral("(%1.Deliv_Dt >= %2) and (%1.Deliv_Dt <= %3)")
        .arg(table, d.dateLiteral(period.start), d.dateLiteral(period.end));
}

QString plainSelect(const Dialect& d, const DeliveryPeriod& period)
{
    return QStringLiteral(
               " Select Deliveri.Person_ID, Deliveri.Client_ID, Deliveri.Svcs_Used AS Service_ID,"
               " Deliveri.Deliv_ID, Deliveri.Deliv_Dt, Deliveri.Funding_Desc, MealCrdt.Quantity,"
               " MealCrdt.Item_ID, %1"
               " from Deliveri join MealCrdt on Deliveri.Deliv_ID = MealCrdt.Deliv_ID"
               " where %2 and %3")
        .arg(kComp, bounds(d, QStringLiteral("Deliveri"), period),
             bounds(d, QStringLiteral("MealCrdt"), period));
}

QString uniqueDeliveriesSelect(const Dialect& d, const DeliveryPeriod& period)
{
    return QStringLiteral(" Select Distinct Deliveri.Person_ID, Deliveri.Svcs_Used,"
                          " Deliveri.Deliv_ID, %1, Deliveri.Client_ID, Deliveri.Deliv_Dt,"
                          " Deliveri.Funding_Desc from Deliveri where %2")
        .arg(kComp, bounds(d, QStringLiteral("Deliveri"), period));
}

QString consolidatedSelect(const Dialect& d, const DeliveryPeriod& period)
{
    return QStringLiteral(
               " Select MemUniqDeliveries.Person_ID, MemUniqDeliveries.Svcs_Used AS Service_ID,"
               " MemUniqDeliveries.Deliv_ID, MemUniqDeliveries.Client_ID,"
               " MemUniqDeliveries.Deliv_Dt, MemUniqDeliveries.Funding_Desc, MealCrdt.Quantity,"
               " MealCrdt.Item_ID, MemUniqDeliveries.Comp"
               " from MemUniqDeliveries join MealCrdt"
               " on MemUniqDeliveries.Deliv_ID = MealCrdt.Deliv_ID where %1 and %2")
        .arg(bounds(d, QStringLiteral("MemUniqDeliveries"), period),
             bounds(d, QStringLiteral("MealCrdt"), period));
}

// The run reads MemDeliveries one client at a time (deliverydays.h); no other order is asked of
// it, so no other index is worth its cost on a month of deliveries.
void addIndexes(Database& db)
{
    const TableDef table{kMemDeliveries, {}, {}};
    db.exec(db.dialect().createIndexSql(
        table, def::index(QStringLiteral("Person_ID"), {QStringLiteral("Person_ID")})));
}

// The main statement of the extraction without the item filter.
QString creditsSelect(const Dialect& d, const DeliveryPeriod& period, bool consolidated)
{
    return consolidated ? consolidatedSelect(d, period) : plainSelect(d, period);
}

} // namespace

bool deliveriesConsolidated(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT Consolidate_Deliveries FROM Config"));
    s.exec();
    return s.next() && s.boolean(0);
}

qint64 extractDeliveries(Database& db, const DeliveryPeriod& period, const ItemFilter& filter)
{
    return extractDeliveries(db, period, filter, deliveriesConsolidated(db));
}

qint64 extractDeliveries(Database& db, const DeliveryPeriod& period, const ItemFilter& filter,
                         bool consolidated)
{
    const Dialect& d = db.dialect();
    db.exec(d.dropTempTable(kMemDeliveries));
    db.exec(d.dropTempTable(kMemUniqDeliveries));
    if (consolidated)
        db.exec(d.createTempTableAs(kMemUniqDeliveries, uniqueDeliveriesSelect(d, period)));
    const QString select = creditsSelect(d, period, consolidated) + filter.sqlCondition() +
                           QStringLiteral(" Order by Person_ID, Comp, Item_ID");
    db.exec(d.createTempTableAs(kMemDeliveries, select));
    addIndexes(db);

    Statement count = db.query(QStringLiteral("SELECT COUNT(*) FROM MemDeliveries"));
    count.exec();
    return count.next() ? count.integer(0) : 0;
}

QList<PeriodCredit> creditsLeftOutByFilter(Database& db, const DeliveryPeriod& period,
                                           const ItemFilter& filter, bool consolidated)
{
    QList<PeriodCredit> credits;
    if (!filter.filters())
        return credits;
    Statement s = db.query(
        QStringLiteral("SELECT Person_ID, Client_ID, Deliv_Dt, Funding_Desc, Item_ID, Quantity "
                       "FROM (%1) Credits ORDER BY Person_ID, Deliv_Dt, Item_ID")
            .arg(creditsSelect(db.dialect(), period, consolidated) +
                 filter.sqlOppositeCondition()));
    s.exec();
    while (s.next())
        credits << PeriodCredit{s.integer(0), s.text(1),    s.date(QStringLiteral("Deliv_Dt")),
                                s.text(3),    s.integer(4), s.integer(5)};
    return credits;
}

} // namespace billing

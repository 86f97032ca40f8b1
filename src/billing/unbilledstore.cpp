#include "billing/unbilledstore.h"

#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/statement.h"
#include "engine/transaction.h"

namespace billing
{

namespace
{

using namespace def;

const QString kUserName = QStringLiteral("UserName");

TableDef runTable()
{
    return {QStringLiteral("ARUnbilledRun"),
            {string(kUserName, 40), timestamp(QStringLiteral("RanAt")),
             boolean(QStringLiteral("Preview")), date(QStringLiteral("PeriodStart")),
             date(QStringLiteral("PeriodEnd"))},
            {primary({kUserName})}};
}

TableDef deliveryTable()
{
    return {QStringLiteral("ARUnbilledDelivery"),
            {string(kUserName, 40), integer(QStringLiteral("Seq")),
             string(QStringLiteral("Client_ID"), 7), integer(QStringLiteral("Person_ID")),
             string(QStringLiteral("ClientName"), 60), date(QStringLiteral("Deliv_Dt")),
             integer(QStringLiteral("Item_ID")), string(QStringLiteral("Meal_Item"), 40),
             string(QStringLiteral("Funding_Desc"), 10), string(QStringLiteral("FunderName"), 40),
             integer(QStringLiteral("Quantity")), string(QStringLiteral("Reason"), 12),
             memo(QStringLiteral("Detail")), money(QStringLiteral("WouldHaveBilled"))},
            {primary({kUserName, QStringLiteral("Seq")})}};
}

void ensureTable(Database& db, const TableDef& table)
{
    if (!schema::tableExists(db, table.name))
        schema::createTable(db, table);
}

void forgetRun(Database& db, const QString& userName)
{
    for (const TableDef& table : {runTable(), deliveryTable()})
        db.prepare(QStringLiteral("DELETE FROM %1 WHERE UserName = :user").arg(table.name))
            .bind(QStringLiteral(":user"), userName)
            .exec();
}

void writeDeliveries(Database& db, const UnbilledRun& run)
{
    const TableDef table = deliveryTable();
    BatchInsert insert(db, table, table.fieldNames());
    int seq = 0;
    for (const UnbilledDelivery& d : run.deliveries) {
        const QVariant amount =
            d.wouldHaveBilled ? QVariant::fromValue(*d.wouldHaveBilled) : QVariant();
        insert.add({run.userName, ++seq, d.clientId, d.personId, d.clientName, d.deliveryDate,
                    d.itemId, d.mealItem, d.fundingCode, d.funderName, d.quantity,
                    unbilledReasonCode(d.reason), d.detail, amount});
    }
    insert.finish();
}

QList<UnbilledDelivery> readDeliveries(Database& db, const QString& userName)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT * FROM ARUnbilledDelivery WHERE UserName = :user ORDER BY Seq"));
    s.bind(QStringLiteral(":user"), userName).exec();
    QList<UnbilledDelivery> deliveries;
    while (s.next()) {
        UnbilledDelivery d;
        d.clientId = s.text(QStringLiteral("Client_ID"));
        d.personId = s.integer(QStringLiteral("Person_ID"));
        d.clientName = s.text(QStringLiteral("ClientName"));
        d.deliveryDate = s.date(QStringLiteral("Deliv_Dt"));
        d.itemId = s.integer(QStringLiteral("Item_ID"));
        d.mealItem = s.text(QStringLiteral("Meal_Item"));
        d.fundingCode = s.text(QStringLiteral("Funding_Desc"));
        d.funderName = s.text(QStringLiteral("FunderName"));
        d.quantity = s.integer(QStringLiteral("Quantity"));
        // A code this build does not know reads as the plainest reason rather than failing.
        d.reason = unbilledReasonFromCode(s.text(QStringLiteral("Reason")))
                       .value_or(UnbilledReason::NoPrice);
        d.detail = s.text(QStringLiteral("Detail"));
        if (!s.isNull(QStringLiteral("WouldHaveBilled")))
            d.wouldHaveBilled = s.money(QStringLiteral("WouldHaveBilled"));
        deliveries << d;
    }
    return deliveries;
}

} // namespace

void keepUnbilledRun(Database& db, const UnbilledRun& run)
{
    ensureTable(db, runTable());
    ensureTable(db, deliveryTable());
    Transaction transaction(db);
    forgetRun(db, run.userName);
    records::insert(db, runTable(),
                    {{kUserName, run.userName},
                     {QStringLiteral("RanAt"), run.ranAt},
                     {QStringLiteral("Preview"), run.preview},
                     {QStringLiteral("PeriodStart"), run.period.start},
                     {QStringLiteral("PeriodEnd"), run.period.end}});
    writeDeliveries(db, run);
    transaction.commit();
}

std::optional<UnbilledRun> lastUnbilledRun(Database& db, const QString& userName)
{
    if (!schema::tableExists(db, runTable().name))
        return std::nullopt;
    Statement s = db.prepare(QStringLiteral(
        "SELECT RanAt, Preview, PeriodStart, PeriodEnd FROM ARUnbilledRun WHERE UserName = :user"));
    s.bind(QStringLiteral(":user"), userName).exec();
    if (!s.next())
        return std::nullopt;
    UnbilledRun run;
    run.userName = userName;
    run.ranAt = s.timestamp(QStringLiteral("RanAt"));
    run.preview = s.boolean(QStringLiteral("Preview"));
    run.period = {s.date(QStringLiteral("PeriodStart")), s.date(QStringLiteral("PeriodEnd"))};
    s.finish();
    run.deliveries = readDeliveries(db, userName);
    return run;
}

} // namespace billing

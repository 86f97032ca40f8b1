#include "billing/unbilledstore.h"

#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/statement.h"
#include "engine/transaction.h"

#include <QDataStream>
#include <QIODevice>

namespace billing
{

namespace
{

using namespace def;

const QString kUserName = QStringLiteral("UserName");
// The layout of the kept list; a list kept in another layout reads as no run.
constexpr qint32 kListLayout = 1;

TableDef runTable()
{
    return {QStringLiteral("ARUnbilledRun"),
            {string(kUserName, 40), timestamp(QStringLiteral("RanAt")),
             boolean(QStringLiteral("Preview")), date(QStringLiteral("PeriodStart")),
             date(QStringLiteral("PeriodEnd")), integer(QStringLiteral("DeliveryCount")),
             graphic(QStringLiteral("Deliveries"))},
            {primary({kUserName})}};
}

// The list is only ever read back whole, in order, so it is kept as one value: a run of
// thousands of credits costs one row to keep instead of thousands.
QByteArray packed(const QList<UnbilledDelivery>& deliveries)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kListLayout << qint32(deliveries.size());
    for (const UnbilledDelivery& d : deliveries) {
        out << d.clientId << d.personId << d.clientName << d.deliveryDate << d.itemId << d.mealItem
            << d.fundingCode << d.funderName << d.quantity << unbilledReasonCode(d.reason)
            << d.detail << bool(d.wouldHaveBilled)
            << (d.wouldHaveBilled ? d.wouldHaveBilled->raw() : qint64(0));
    }
    return bytes;
}

std::optional<QList<UnbilledDelivery>> unpacked(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    qint32 layout = 0;
    qint32 count = 0;
    in >> layout >> count;
    if (in.status() != QDataStream::Ok || layout != kListLayout || count < 0)
        return std::nullopt;
    QList<UnbilledDelivery> deliveries;
    deliveries.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        UnbilledDelivery d;
        QString reason;
        bool amountKnown = false;
        qint64 amount = 0;
        in >> d.clientId >> d.personId >> d.clientName >> d.deliveryDate >> d.itemId >>
            d.mealItem >> d.fundingCode >> d.funderName >> d.quantity >> reason >> d.detail >>
            amountKnown >> amount;
        const std::optional<UnbilledReason> known = unbilledReasonFromCode(reason);
        if (in.status() != QDataStream::Ok || !known)
            return std::nullopt;
        d.reason = *known;
        if (amountKnown)
            d.wouldHaveBilled = Money::fromRaw(amount);
        deliveries << d;
    }
    return deliveries;
}

void ensureTable(Database& db, const TableDef& table)
{
    if (!schema::tableExists(db, table.name))
        schema::createTable(db, table);
    else if (!schema::differences(db, table).isEmpty())
        schema::upgradeTable(db, table);
}

} // namespace

void keepUnbilledRun(Database& db, const UnbilledRun& run)
{
    const TableDef table = runTable();
    ensureTable(db, table);
    Transaction transaction(db);
    db.prepare(QStringLiteral("DELETE FROM ARUnbilledRun WHERE UserName = :user"))
        .bind(QStringLiteral(":user"), run.userName)
        .exec();
    records::insert(db, table,
                    {{kUserName, run.userName},
                     {QStringLiteral("RanAt"), run.ranAt},
                     {QStringLiteral("Preview"), run.preview},
                     {QStringLiteral("PeriodStart"), run.period.start},
                     {QStringLiteral("PeriodEnd"), run.period.end},
                     {QStringLiteral("DeliveryCount"), run.deliveries.size()},
                     {QStringLiteral("Deliveries"), packed(run.deliveries)}});
    transaction.commit();
}

std::optional<UnbilledRun> lastUnbilledRun(Database& db, const QString& userName)
{
    if (!schema::tableExists(db, runTable().name))
        return std::nullopt;
    Statement s =
        db.prepare(QStringLiteral("SELECT RanAt, Preview, PeriodStart, PeriodEnd, "
                                  "Deliveries FROM ARUnbilledRun WHERE UserName = :user"));
    s.bind(QStringLiteral(":user"), userName).exec();
    if (!s.next())
        return std::nullopt;
    std::optional<QList<UnbilledDelivery>> deliveries =
        unpacked(s.value(QStringLiteral("Deliveries")).toByteArray());
    if (!deliveries)
        return std::nullopt;
    UnbilledRun run;
    run.userName = userName;
    run.ranAt = s.timestamp(QStringLiteral("RanAt"));
    run.preview = s.boolean(QStringLiteral("Preview"));
    run.period = {s.date(QStringLiteral("PeriodStart")), s.date(QStringLiteral("PeriodEnd"))};
    run.deliveries = std::move(*deliveries);
    return run;
}

} // namespace billing

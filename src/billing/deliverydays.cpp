#include "billing/deliverydays.h"

#include "engine/database.h"

namespace billing
{

int distinctDeliveryDates(Database& db, const QString& deliveriesTable, qint64 personId)
{
    Statement s = db.query(QStringLiteral("SELECT COUNT(DISTINCT Deliv_Dt) FROM %1"
                                          " WHERE Person_ID = :person")
                               .arg(deliveriesTable));
    s.bind(QStringLiteral("person"), personId).exec();
    const int count = s.next() ? int(s.integer(0)) : 0;
    s.finish();
    return count;
}

QList<DeliveryDate> deliveriesByDate(Database& db, const QString& deliveriesTable,
                                     const MealLine& line)
{
    const QString compFlag = line.complimentary
                                 ? QStringLiteral("Comp = 'Complimentary'")
                                 : QStringLiteral("COALESCE(Comp, '') <> 'Complimentary'");
    Statement s = db.query(
        QStringLiteral("SELECT Deliv_Dt, SUM(Quantity) AS Quantity FROM %1"
                       " WHERE Person_ID = :person AND Service_ID = :service"
                       " AND COALESCE(RTRIM(Funding_Desc), '') = :fund AND Item_ID = :item AND %2"
                       " GROUP BY Deliv_Dt ORDER BY Deliv_Dt")
            .arg(deliveriesTable, compFlag));
    s.bind(QStringLiteral("person"), line.personId)
        .bind(QStringLiteral("service"), line.serviceId)
        .bind(QStringLiteral("fund"), line.fundingCode.trimmed())
        .bind(QStringLiteral("item"), line.itemId)
        .exec();
    QList<DeliveryDate> dates;
    while (s.next())
        dates << DeliveryDate{s.date(QStringLiteral("Deliv_Dt")), s.integer(1)};
    s.finish();
    return dates;
}

} // namespace billing

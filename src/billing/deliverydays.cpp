#include "billing/deliverydays.h"

#include "billing/chargetypes.h"
#include "billing/extractiontables.h"
#include "engine/database.h"

#include <QMap>
#include <QSet>

namespace billing
{

ClientDeliveriesReader::ClientDeliveriesReader(Database& db)
    : statement_(db.query(QStringLiteral("SELECT Deliv_Dt, Funding_Desc, Service_ID, Comp, "
                                         "Item_ID, Quantity FROM %1 WHERE Person_ID = :person")
                              .arg(kMemDeliveries)))
{
}

ClientDeliveries ClientDeliveriesReader::read(qint64 personId)
{
    statement_.bind(QStringLiteral("person"), personId).exec();
    QList<DeliveredItem> items;
    while (statement_.next())
        items << DeliveredItem{statement_.date(QStringLiteral("Deliv_Dt")),
                               statement_.text(1).trimmed(),
                               statement_.integer(2),
                               statement_.text(3) == QLatin1String("Complimentary"),
                               statement_.integer(4),
                               statement_.integer(5)};
    statement_.finish();
    return ClientDeliveries(std::move(items));
}

int ClientDeliveries::distinctDates() const
{
    QSet<QDate> dates;
    for (const DeliveredItem& item : items_)
        dates.insert(item.date);
    return int(dates.size());
}

QList<DeliveryDate> ClientDeliveries::byDate(const MealLine& line) const
{
    const QString fundingCode = line.fundingCode.trimmed();
    QMap<QDate, qint64> quantities;
    for (const DeliveredItem& item : items_) {
        if (item.serviceId == line.serviceId && item.itemId == line.itemId &&
            item.complimentary == line.complimentary && item.fundingCode == fundingCode)
            quantities[item.date] += item.quantity;
    }
    QList<DeliveryDate> dates;
    for (auto it = quantities.constBegin(); it != quantities.constEnd(); ++it)
        dates << DeliveryDate{it.key(), it.value()};
    return dates;
}

} // namespace billing

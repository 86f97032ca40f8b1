#include "billing/deliverydays.h"

#include "billing/chargetypes.h"
#include "billing/extractiontables.h"
#include "engine/database.h"

#include <QMap>
#include <QSet>

namespace billing
{

ClientDeliveriesReader::ClientDeliveriesReader(Database& db) : db_(db) {}

// The whole table in one statement on the first call: a statement per client would cost a round
// trip each on a server. Rows keep the order the table gives them within each client.
ClientDeliveries ClientDeliveriesReader::read(qint64 personId)
{
    if (!loaded_) {
        Statement s =
            db_.query(QStringLiteral("SELECT Person_ID, Deliv_Dt, Funding_Desc, Service_ID, Comp, "
                                     "Item_ID, Quantity, Client_ID FROM %1")
                          .arg(kMemDeliveries));
        s.exec();
        while (s.next())
            byClient_[s.integer(0)] << DeliveredItem{s.date(QStringLiteral("Deliv_Dt")),
                                                     s.text(2).trimmed(),
                                                     s.integer(3),
                                                     s.text(4) == QLatin1String("Complimentary"),
                                                     s.integer(5),
                                                     s.integer(6),
                                                     s.text(7)};
        loaded_ = true;
    }
    return ClientDeliveries(byClient_.value(personId));
}

int ClientDeliveries::distinctDates() const
{
    QSet<QDate> dates;
    for (const DeliveredItem& item : items_)
        dates.insert(item.date);
    return int(dates.size());
}

bool belongsTo(const DeliveredItem& item, const MealLine& line)
{
    return item.serviceId == line.serviceId && item.itemId == line.itemId &&
           item.complimentary == line.complimentary &&
           QStringView(line.fundingCode).trimmed() == item.fundingCode;
}

QList<DeliveryDate> ClientDeliveries::byDate(const MealLine& line) const
{
    QMap<QDate, qint64> quantities;
    for (const DeliveredItem& item : items_) {
        if (belongsTo(item, line))
            quantities[item.date] += item.quantity;
    }
    QList<DeliveryDate> dates;
    for (auto it = quantities.constBegin(); it != quantities.constEnd(); ++it)
        dates << DeliveryDate{it.key(), it.value()};
    return dates;
}

} // namespace billing

#include "billing/unbilledcsv.h"

#include "engine/delimitedexport.h"

namespace billing
{

void writeUnbilledCsv(const QString& path, const QList<UnbilledDelivery>& deliveries)
{
    DelimitedFormat format;
    format.delimiter = QLatin1Char(',');
    format.quote = QLatin1Char('"');
    format.quoteOnlyWhenNeeded = true;
    format.lineEnd = QStringLiteral("\n"); // as the command line's other csv files
    DelimitedWriter file(path, format);
    file.writeRow({QStringLiteral("Client_ID"), QStringLiteral("Person_ID"),
                   QStringLiteral("Deliv_Dt"), QStringLiteral("Item_ID"),
                   QStringLiteral("Meal_Item"), QStringLiteral("Funding_Desc"),
                   QStringLiteral("Quantity"), QStringLiteral("Reason"), QStringLiteral("Detail")});
    for (const UnbilledDelivery& d : deliveries)
        file.writeRow({d.clientId, QString::number(d.personId),
                       d.deliveryDate.toString(Qt::ISODate), QString::number(d.itemId), d.mealItem,
                       d.fundingCode, QString::number(d.quantity), unbilledReasonCode(d.reason),
                       d.detail});
    file.commit();
}

} // namespace billing

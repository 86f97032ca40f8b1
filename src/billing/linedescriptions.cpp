#include "billing/linedescriptions.h"

#include "billing/chargetypes.h"

#include <QLocale>

namespace billing
{

QString urnSuffix(const ClientNames& client)
{
    return client.urn.trimmed().isEmpty() ? QString()
                                          : QStringLiteral(" (") + client.urn + QLatin1Char(')');
}

QString clientName(const ClientNames& client)
{
    return client.lastName + QStringLiteral(", ") + client.firstName + urnSuffix(client);
}

QString byItemDescription(const QString& mealItem, const ClientNames& client)
{
    return mealItem.left(35).trimmed() + QStringLiteral("; ") + clientName(client);
}

QString atCostDescription(const QString& mealItem, const ClientNames& client)
{
    return mealItem + QStringLiteral("; ") + clientName(client);
}

QString byTimeDescription(const QString& periodWord, bool thirdParty, const ClientNames& client)
{
    QString text = QStringLiteral("Deliveries, by ") + periodWord;
    if (thirdParty)
        text += QStringLiteral(" to ") + clientName(client);
    return text;
}

QString complimentaryDescription(const QString& description)
{
    return QStringLiteral("Comp: ") + description;
}

QString perDateDescription(const QString& mealItem, bool complimentary, bool thirdParty,
                           const ClientNames& client, const QDate& date)
{
    const QString day = QLocale::c().toString(date, QStringLiteral("ddd M/d/yy"));
    if (thirdParty) {
        QString first = client.firstName.left(15);
        while (first.endsWith(QLatin1Char(' ')))
            first.chop(1);
        const QString name = client.lastName + QLatin1Char(',') + first + urnSuffix(client);
        return (complimentary ? QStringLiteral("Cmp:") : QString()) + mealItem +
               QStringLiteral("; ") + name + QStringLiteral("; ") + day;
    }
    return (complimentary ? QStringLiteral("Comp: ") : QString()) + mealItem +
           QStringLiteral("(s), ") + day;
}

} // namespace billing

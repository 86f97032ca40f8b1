#include "receivables/listing/listtexts.h"

QString flagCondition(const QString& column, FlagChoice choice)
{
    switch (choice) {
    case FlagChoice::Yes:
        return QStringLiteral("(%1 = true)").arg(column);
    case FlagChoice::No:
        return QStringLiteral("(%1 <> true)").arg(column);
    case FlagChoice::All:
        break;
    }
    return {};
}

QString listCaption(const QString& title, bool outstanding, bool filtered)
{
    if (outstanding && filtered)
        return title + QStringLiteral(" (Outstanding, Filtered)");
    if (outstanding)
        return title + QStringLiteral(" (Outstanding)");
    if (filtered)
        return title + QStringLiteral(" (Filtered)");
    return title;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString periodText(std::optional<int> period, std::optional<int> year)
{
    const QString p = period ? QString::number(*period) : QString();
    const QString y = year ? QString::number(*year) : QString();
    return (p + QLatin1Char('/') + y).left(7);
}

QString customerNoNotFound(const QString& typed)
{
    return QStringLiteral("Customer no. '") + typed + QStringLiteral("' not found");
}

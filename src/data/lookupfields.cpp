#include "data/lookupfields.h"

namespace
{
constexpr int kAddressSize = 100;

QString orZero(std::optional<int> days)
{
    return days ? QString::number(*days) : QStringLiteral("0");
}
} // namespace

QString salesmanFullName(const QString& firstName, const QString& lastName)
{
    if (!firstName.isEmpty() && !lastName.isEmpty())
        return firstName + QLatin1Char(' ') + lastName;
    return firstName + lastName;
}

QString joinedAddress(const QStringList& parts)
{
    QString address = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (!parts[i].isEmpty())
            address += QStringLiteral(", ") + parts[i];
    }
    return address.left(kAddressSize);
}

QString vendorTerms(std::optional<double> discountPercent, std::optional<int> discountDays,
                    std::optional<int> netDays, std::optional<int> delayDays)
{
    QString terms = QStringLiteral("Terms: ");
    if (discountPercent && *discountPercent > 0)
        terms += QString::number(*discountPercent, 'g', 15) + QStringLiteral("% ") +
                 orZero(discountDays) + QLatin1Char(' ');
    terms += QStringLiteral("Net ") + orZero(netDays);
    terms += QStringLiteral("   Delay ") + orZero(delayDays);
    return terms;
}

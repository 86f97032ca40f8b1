#include "sync/itemmapping.h"

#include <QStringList>

int newItemType(const QString& meal)
{
    // Codes are compared with their trailing blanks dropped, as the host's fixed-width column
    // keeps them.
    QString code = meal;
    while (code.endsWith(QLatin1Char(' ')))
        code.chop(1);
    if (code == QLatin1String("B"))
        return 1;
    if (code == QLatin1String("L"))
        return 2;
    if (code == QLatin1String("D"))
        return 3;
    if (code == QLatin1String("MF"))
        return 4;
    if (code == QLatin1String("SF"))
        return 5;
    if (code == QLatin1String("O"))
        return 6;
    return 3;
}

namespace
{
QString hostNumber(const HostItem& host)
{
    return host.itemId ? QString::number(*host.itemId) : QString();
}
} // namespace

NewItem mealItem(const HostItem& host, qint64 itemId)
{
    return {itemId, hostNumber(host), host.name, host.billedAmount, newItemType(host.meal)};
}

NewItem pledgeItem(const HostItem& host, qint64 itemId)
{
    return {itemId, QLatin1Char('P') + hostNumber(host), host.name + QStringLiteral(", Pledge"),
            host.billedAmount, newItemType(host.meal)};
}

QStringList itemInsertFields()
{
    return {QStringLiteral("ItemID"),          QStringLiteral("ItemNo"),
            QStringLiteral("ItemDescription"), QStringLiteral("UnitPrice"),
            QStringLiteral("ItemTypeID"),      QStringLiteral("Suspended")};
}

QVariantList itemInsertValues(const NewItem& item)
{
    return {item.itemId,     item.itemNo, item.description, QVariant::fromValue(item.unitPrice),
            item.itemTypeId, false};
}

#include "sync/itemqueries.h"

#include "data/artables.h"
#include "engine/dialect.h"
#include "sync/sqlpieces.h"

namespace itemsql
{

namespace
{

const TableDef& itemTable()
{
    static const TableDef item = ar::item();
    return item;
}

QString pledgeNumber(const Dialect& d)
{
    return d.concat({QStringLiteral("'P'"), QStringLiteral("CAST(Items.Item_ID AS VARCHAR(20))")});
}

QString updateType()
{
    return QStringLiteral("CASE %1 WHEN 'B' THEN 1 WHEN 'L' THEN 2 WHEN 'D' THEN 3"
                          " WHEN 'MF' THEN 4 WHEN 'SF' THEN 5 ELSE 6 END")
        .arg(syncsql::code(QStringLiteral("Items.Meal")));
}

// Sets description, price and type where the stored description or price differs from what the
// host's record gives; a missing price counts as nothing on either side.
QString update(const Dialect& d, const QString& description, const QString& join)
{
    const QString fittedDescription =
        syncsql::fitted(itemTable(), QStringLiteral("ItemDescription"), description);
    const QString price = d.hostMoneyToMoney(QStringLiteral("Items.Billed_Amount"));
    return QStringLiteral("UPDATE Item SET ItemDescription = %1, UnitPrice = %2, ItemTypeID = %3"
                          " FROM Items WHERE %4 AND (NOT COALESCE(%1, '') ="
                          " COALESCE(Item.ItemDescription, '') OR NOT COALESCE(%2, 0) ="
                          " COALESCE(Item.UnitPrice, 0))")
        .arg(fittedDescription, price, updateType(), join);
}

QString missing(const Dialect& d, const QString& join)
{
    return QStringLiteral("SELECT Items.Item_ID, Items.Meal_Item, %1 AS Billed_Amount, Items.Meal"
                          " FROM Items LEFT OUTER JOIN Item ON %2 WHERE Item.ItemNo IS NULL"
                          " ORDER BY Items.Item_ID")
        .arg(d.hostMoneyToMoney(QStringLiteral("Items.Billed_Amount")), join);
}

QString itemJoin(const Dialect& d)
{
    return QStringLiteral("Items.Item_ID = ") + d.integerOrNull(QStringLiteral("Item.ItemNo"));
}

QString pledgeJoin(const Dialect& d)
{
    return pledgeNumber(d) + QStringLiteral(" = Item.ItemNo");
}

} // namespace

QString updateItemFromItems(const Dialect& d)
{
    return update(d, QStringLiteral("Items.Meal_Item"), itemJoin(d));
}

QString updatePledgeItemFromItems(const Dialect& d)
{
    return update(d, d.concat({QStringLiteral("Items.Meal_Item"), QStringLiteral("', Pledge'")}),
                  pledgeJoin(d));
}

QString itemsNotItem(const Dialect& d)
{
    return missing(d, itemJoin(d));
}

QString itemsNotPledgeItem(const Dialect& d)
{
    return missing(d, pledgeJoin(d));
}

} // namespace itemsql

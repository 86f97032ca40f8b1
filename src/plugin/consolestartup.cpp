#include "plugin/consolestartup.h"

#include "engine/database.h"

bool postingSuppressed(Database& db)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT SuppressPosting FROM Company ORDER BY CompanyNo LIMIT 1"));
    s.exec();
    return s.next() && s.boolean(0);
}

bool hostHasItemsWithoutArItem(Database& db)
{
    // An AR item matches a host item when its number, read as a whole number, is the host's.
    Statement s = db.prepare(
        QStringLiteral("SELECT Items.Item_ID FROM Items LEFT OUTER JOIN Item ON Items.Item_ID = ") +
        db.dialect().integerOrNull(QStringLiteral("Item.ItemNo")) +
        QStringLiteral(" WHERE Item.ItemNo IS NULL LIMIT 1"));
    s.exec();
    return s.next();
}

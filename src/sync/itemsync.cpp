#include "sync/itemsync.h"

#include "common/dialogs.h"
#include "common/money.h"
#include "data/artables.h"
#include "engine/database.h"
#include "sync/idreservation.h"
#include "sync/itemmapping.h"
#include "sync/itemqueries.h"
#include "sync/passinsert.h"
#include "sync/passprogress.h"
#include "sync/syncrun.h"

#include <QScopeGuard>
#include <functional>

namespace
{

QList<HostItem> hostItems(Database& db, const QString& sql)
{
    QList<HostItem> items;
    Statement s = db.query(sql);
    s.exec();
    while (s.next()) {
        HostItem item;
        if (!s.isNull(0))
            item.itemId = s.integer(0);
        item.name = s.text(1);
        item.billedAmount = Money::fromRaw(s.integer(2));
        item.meal = s.text(3);
        items << item;
    }
    return items;
}

class ItemSynchronization : public SyncRun
{
public:
    ItemSynchronization(Database& db, Dialogs& dialogs, Progress& progress)
        : SyncRun(db, dialogs, progress)
    {
    }

    SyncReport run()
    {
        return runPasses([this] {
            progress_.setValue(0);
            try {
                db_.exec(itemsql::updateItemFromItems(db_.dialect()));
                db_.exec(itemsql::updatePledgeItemFromItems(db_.dialect()));
            } catch (const std::exception& e) {
                showError(QString::fromUtf8(e.what()));
            }
            addItems(QStringLiteral("Synchronizing items"), itemsql::itemsNotItem(db_.dialect()),
                     mealItem, report_.itemsAdded);
            addItems(QStringLiteral("Synchronizing pledge items"),
                     itemsql::itemsNotPledgeItem(db_.dialect()), pledgeItem,
                     report_.pledgeItemsAdded);
        });
    }

private:
    // One pass: the host items the query finds, each written as the mapping makes it.
    void addItems(const QString& caption, const QString& missingSql,
                  const std::function<NewItem(const HostItem&, qint64)>& make, int& added)
    {
        PassProgress pass(progress_, caption);
        const QList<HostItem> items = hostItems(db_, missingSql);
        qint64 id = 0;
        try {
            reserveItemIds(db_, items.size(), id);
        } catch (const std::exception& e) {
            showError(QString::fromUtf8(e.what()));
        }
        PassInsert insert(db_, ar::item(), itemInsertFields());
        const auto count = qScopeGuard([&] { added += int(insert.rowsKept()); });
        for (const HostItem& item : items) {
            insert.add(itemInsertValues(make(item, id)));
            ++id;
            pass.done(int(insert.rowsKept()), items.size());
        }
        insert.finish();
    }
};

} // namespace

SyncReport synchronizeItems(Database& db, Dialogs& dialogs, Progress& progress)
{
    return ItemSynchronization(db, dialogs, progress).run();
}

// Host meal items brought in as AR items and pledge items: their numbers, types and prices, the
// updates of known items, the key blocks, and which errors stop the run.
#include "engine/database.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "sync/itemsync.h"
#include "syncfixture.h"
#include "testdatabases.h"

#include <QTest>

using namespace syncfixture;

namespace
{

const QString kDone = QStringLiteral("Succesfully completed the synchronization.");
const QVariant kNoAmount = QVariant(QMetaType::fromType<QString>());

qint64 nextItemId(Database& db)
{
    return testdb::scalar(db, QStringLiteral("SELECT NextItemID FROM ItemCtl"));
}

int field(const QVariantMap& row, const char* name)
{
    return row.value(QString::fromLatin1(name).toLower()).toInt();
}

QString text(const QVariantMap& row, const char* name)
{
    return row.value(QString::fromLatin1(name).toLower()).toString();
}

SyncReport synchronize(Database& db, ScriptedDialogs& dialogs)
{
    NoProgress progress;
    return synchronizeItems(db, dialogs, progress);
}

} // namespace

class TestItemSync : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newItemGetsAnItemAndAPledgeItem_data() { testdb::addEngineRows(); }
    void newItemGetsAnItemAndAPledgeItem()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addItem(*db, 57, QStringLiteral("Chicken Soup"), QStringLiteral("L "),
                QStringLiteral("4.25"));
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const SyncReport report = synchronizeItems(*db, dialogs, progress);
        QVERIFY(report.clean());
        QCOMPARE(dialogs.texts(), QStringList{kDone});
        QCOMPARE(report.itemsAdded, 1);
        QCOMPARE(report.pledgeItemsAdded, 1);

        const QVariantMap soup = item(*db, QStringLiteral("57"));
        QCOMPARE(field(soup, "ItemID"), 13); // the counter as seeded
        QCOMPARE(text(soup, "ItemDescription"), QStringLiteral("Chicken Soup"));
        QCOMPARE(field(soup, "ItemTypeID"), 2);
        QCOMPARE(soup.value(QStringLiteral("unitprice")).toLongLong(), 42500);
        const QVariantMap pledge = item(*db, QStringLiteral("P57"));
        QCOMPARE(field(pledge, "ItemID"), 15); // 14 is never given out
        QCOMPARE(text(pledge, "ItemDescription"), QStringLiteral("Chicken Soup, Pledge"));
        QCOMPARE(pledge.value(QStringLiteral("unitprice")).toLongLong(), 42500);
        QCOMPARE(nextItemId(*db), 17);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Item")), 14);
        QCOMPARE(progress.values, (QList<int>{0, 0, 100, 0, 100, 0}));

        // Nothing missing: no insert, but each pass still draws its empty block.
        QVERIFY(synchronize(*db, dialogs).clean());
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Item")), 14);
        QCOMPARE(nextItemId(*db), 19);
        QCOMPARE(dialogs.texts(), QStringList(2, kDone));
    }

    void mealCodesGiveItemTypes_data() { testdb::addEngineRows(); }
    void mealCodesGiveItemTypes()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        const QList<QPair<QVariant, int>> codes = {
            {QStringLiteral("B "), 1}, {QStringLiteral("D "), 3}, {QStringLiteral("MF"), 4},
            {QStringLiteral("SF"), 5}, {QStringLiteral("O "), 6}, {QStringLiteral("SM"), 3},
            {QStringLiteral("S "), 3}, {QStringLiteral("  "), 3}, {kNoAmount, 3}};
        for (int i = 0; i < codes.size(); ++i)
            addItem(*db, 100 + i, QStringLiteral("Meal %1").arg(i), codes[i].first,
                    i == 0 ? kNoAmount : QVariant(QStringLiteral("1.5")));
        ScriptedDialogs dialogs;
        QVERIFY(synchronize(*db, dialogs).clean());
        for (int i = 0; i < codes.size(); ++i) {
            const QString no = QString::number(100 + i);
            QCOMPARE(field(item(*db, no), "ItemTypeID"), codes[i].second);
            QCOMPARE(field(item(*db, QLatin1Char('P') + no), "ItemTypeID"), codes[i].second);
            QCOMPARE(field(item(*db, no), "ItemID"), 13 + i); // in the host's order
        }
        // A missing price is stored as nothing at all.
        QCOMPARE(item(*db, QStringLiteral("100")).value(QStringLiteral("unitprice")).toLongLong(),
                 0);
        QVERIFY(!item(*db, QStringLiteral("100")).value(QStringLiteral("unitprice")).isNull());
        // The seeded meal-kind items belong to no host item and stay as they were.
        QCOMPARE(text(item(*db, QStringLiteral("SM")), "ItemDescription"),
                 QStringLiteral("Specialized Medical Food"));
        QCOMPARE(field(item(*db, QStringLiteral("SM")), "ItemTypeID"), 5);
    }

    void knownItemsFollowTheHost_data() { testdb::addEngineRows(); }
    void knownItemsFollowTheHost()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addItem(*db, 701, QStringLiteral("Renal Diet Dinner"), QStringLiteral("SM"),
                QStringLiteral("9.25"));
        addItem(*db, 201, QStringLiteral("Turkey & Swiss"), QStringLiteral("L "),
                QStringLiteral("5.50"));
        addItem(*db, 104, QStringLiteral("Breakfast Box"), QStringLiteral("B "), kNoAmount);
        addItem(*db, 57, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("3"));
        // An item typed in with a number the host writes without its leading zero.
        db->exec(QStringLiteral("INSERT INTO Item (ItemID, ItemNo, ItemDescription, UnitPrice,"
                                " ItemTypeID) VALUES (40, '057', 'Soup', 30000, 2)"));
        ScriptedDialogs dialogs;
        QVERIFY(synchronize(*db, dialogs).clean());
        QVERIFY(item(*db, QStringLiteral("57")).isEmpty()); // "057" is that item
        QCOMPARE(field(item(*db, QStringLiteral("P57")), "ItemTypeID"), 2);

        // Nothing changed at the host: no item is written again.
        refuseUpdates(*db, QStringLiteral("Item"), QStringLiteral("1 = 1"));
        QVERIFY(synchronize(*db, dialogs).clean());
        db->exec(db->isSqlite() ? QStringLiteral("DROP TRIGGER refuse_Item")
                                : QStringLiteral("DROP TRIGGER refuse_Item ON Item"));

        db->exec(QStringLiteral("UPDATE Items SET Meal_Item = 'Renal Dinner' WHERE Item_ID = 701"));
        db->exec(QStringLiteral("UPDATE Items SET Meal = 'D ' WHERE Item_ID = 201"));
        db->exec(QStringLiteral("UPDATE Items SET Billed_Amount = 2.75 WHERE Item_ID = 104"));
        db->exec(QStringLiteral("UPDATE Item SET UnitPrice = NULL WHERE ItemNo = '057'"));
        QVERIFY(synchronize(*db, dialogs).clean());
        // A new name: the update's own mapping gives "SM" the type Other. Same name and price
        // (201): the new meal kind is not taken over.
        QCOMPARE(text(item(*db, QStringLiteral("701")), "ItemDescription"),
                 QStringLiteral("Renal Dinner"));
        QCOMPARE(text(item(*db, QStringLiteral("P701")), "ItemDescription"),
                 QStringLiteral("Renal Dinner, Pledge"));
        for (const auto& [no, type] : {std::pair{"701", 6}, {"P701", 6}, {"201", 2}, {"P201", 2}})
            QCOMPARE(field(item(*db, QLatin1String(no)), "ItemTypeID"), type);
        // A price where there was none, on both items.
        for (const char* no : {"104", "P104"})
            QCOMPARE(item(*db, QLatin1String(no)).value(QStringLiteral("unitprice")).toLongLong(),
                     27500);
        // A stored price that went missing takes the host's again.
        QCOMPARE(item(*db, QStringLiteral("057")).value(QStringLiteral("unitprice")).toLongLong(),
                 30000);
    }

    void longNamesAreCutOnce_data() { testdb::addEngineRows(); }
    void longNamesAreCutOnce()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        const QString name = QStringLiteral("Herb-Roasted Chicken, Rice Pilaf & Peas"); // 39
        addItem(*db, 306, name, QStringLiteral("D "), QStringLiteral("7.40"));
        ScriptedDialogs dialogs;
        QVERIFY(synchronize(*db, dialogs).clean());
        QCOMPARE(text(item(*db, QStringLiteral("P306")), "ItemDescription"),
                 (name + QStringLiteral(", Pledge")).left(40));
        // The cut description is what the host's name gives; it is not written again.
        refuseUpdates(*db, QStringLiteral("Item"), QStringLiteral("1 = 1"));
        const SyncReport again = synchronize(*db, dialogs);
        QVERIFY2(again.clean(), qPrintable(again.errorsShown.join(QLatin1Char('\n'))));
        // A new price is still taken over.
        db->exec(db->isSqlite() ? QStringLiteral("DROP TRIGGER refuse_Item")
                                : QStringLiteral("DROP TRIGGER refuse_Item ON Item"));
        db->exec(QStringLiteral("UPDATE Items SET Billed_Amount = 7.65"));
        QVERIFY(synchronize(*db, dialogs).clean());
        QCOMPARE(item(*db, QStringLiteral("P306")).value(QStringLiteral("unitprice")).toLongLong(),
                 76500);
    }

    void refusedUpdateIsShownAndTheRunGoesOn_data() { testdb::addEngineRows(); }
    void refusedUpdateIsShownAndTheRunGoesOn()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addItem(*db, 57, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("3"));
        ScriptedDialogs dialogs;
        QVERIFY(synchronize(*db, dialogs).clean());
        refuseUpdates(*db, QStringLiteral("Item"), QStringLiteral("1 = 1"));
        db->exec(QStringLiteral("UPDATE Items SET Meal_Item = 'Bean Soup'"));
        addItem(*db, 58, QStringLiteral("Stew"), QStringLiteral("D "), QStringLiteral("4"));
        const SyncReport report = synchronize(*db, dialogs);
        QVERIFY(report.completed);
        QCOMPARE(report.errorsShown.size(), 1);
        QVERIFY(report.errorsShown.first().contains(QStringLiteral("refused for the test")));
        QCOMPARE(dialogs.shown().size(), 3);
        QCOMPARE(dialogs.shown()[1].kind, Dialogs::Kind::Error);
        QCOMPARE(dialogs.texts().last(), kDone);
        QCOMPARE(text(item(*db, QStringLiteral("57")), "ItemDescription"), QStringLiteral("Soup"));
        QCOMPARE(field(item(*db, QStringLiteral("58")), "ItemTypeID"), 3);
    }

    void refusedReservationIsShownAndTheRunGoesOn_data() { testdb::addEngineRows(); }
    void refusedReservationIsShownAndTheRunGoesOn()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        refuseUpdates(*db, QStringLiteral("ItemCtl"), QStringLiteral("NEW.NextItemID > 13"));
        addItem(*db, 57, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("3"));
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const SyncReport report = synchronizeItems(*db, dialogs, progress);
        // The item takes the key read before the refusal; the pledge pass, refused as well,
        // draws the same key again, and the engine's refusal of the duplicate ends the run.
        QCOMPARE(field(item(*db, QStringLiteral("57")), "ItemID"), 13);
        QVERIFY(item(*db, QStringLiteral("P57")).isEmpty());
        QVERIFY(!report.completed);
        QCOMPARE(report.itemsAdded, 1);
        QCOMPARE(report.errorsShown.size(), 3);
        QVERIFY(report.errorsShown[0].contains(QStringLiteral("refused for the test")));
        QVERIFY(report.errorsShown[1].contains(QStringLiteral("refused for the test")));
        QVERIFY(!dialogs.texts().contains(kDone));
        QCOMPARE(progress.values.last(), 0);
        QCOMPARE(nextItemId(*db), 13);
    }

    void duplicateKeyEndsTheRun_data() { testdb::addEngineRows(); }
    void duplicateKeyEndsTheRun()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        // An item typed in with a key that the counter has not passed yet.
        db->exec(QStringLiteral("INSERT INTO Item (ItemID, ItemNo) VALUES (14, 'X')"));
        addItem(*db, 57, QStringLiteral("Soup"), QStringLiteral("L "), QStringLiteral("3"));
        addItem(*db, 58, QStringLiteral("Stew"), QStringLiteral("D "), QStringLiteral("4"));
        addItem(*db, 59, QStringLiteral("Salad"), QStringLiteral("L "), QStringLiteral("5"));
        ScriptedDialogs dialogs;
        const SyncReport report = synchronize(*db, dialogs);
        QVERIFY(!report.completed);
        QCOMPARE(report.itemsAdded, 1);
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QCOMPARE(field(item(*db, QStringLiteral("57")), "ItemID"), 13);
        QVERIFY(item(*db, QStringLiteral("58")).isEmpty());
        QVERIFY(item(*db, QStringLiteral("59")).isEmpty());
        QCOMPARE(nextItemId(*db), 17);
    }
};

QTEST_MAIN(TestItemSync)
#include "test_itemsync.moc"

// The meal-item tree as data: categories in the screen's order, items by name with their numbers.

#include "billing/mealtree.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;

class TestMealTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void treeFromHostItems_data() { testdb::addEngineRows(); }
    void treeFromHostItems();
};

void TestMealTree::treeFromHostItems()
{
    QFETCH(QString, engine);
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    Statement add = db->prepare(
        QStringLiteral("INSERT INTO Items (Item_ID, Meal_Item, Meal) VALUES (:id, :name, :meal)"));
    auto item = [&](int id, const QString& name, const QVariant& meal) {
        add.bind(QStringLiteral("id"), id)
            .bind(QStringLiteral("name"), name)
            .bind(QStringLiteral("meal"), meal)
            .exec();
    };
    item(30, QStringLiteral("Pancakes"), QStringLiteral("B "));
    item(12345, QStringLiteral("Eggs"), QStringLiteral("B"));
    item(7, QStringLiteral("Ensure"), QStringLiteral("MF"));
    item(8, QStringLiteral("Apple"), QVariant(QMetaType::fromType<QString>()));
    item(9, QStringLiteral("Banana"), QStringLiteral("  "));
    item(10, QStringLiteral("Mystery"), QStringLiteral("X"));
    item(11, QStringLiteral("Lasagna"), QStringLiteral("D "));
    item(12, QStringLiteral("Goulash"), QStringLiteral("D "));

    const QList<MealTreeCategory> tree = loadMealTree(*db);
    QStringList categories;
    for (const MealTreeCategory& c : tree)
        categories << c.text;
    QCOMPARE(categories,
             QStringList({"Breakfasts     [B ]", "Lunches     [L ]", "Dinners     [D ]",
                          "Snacks     [S ]", "Other Meals     [O ]", "Medical Food     [MF]",
                          "Specialized Medical Food     [SM]", "Uncategorized           []"}));
    auto texts = [&](int category) {
        QStringList all;
        for (const MealTreeItem& i : tree[category].items)
            all << i.text;
        return all;
    };
    QCOMPARE(texts(0), QStringList({"Eggs     [12345]", "Pancakes     [30]"}));
    QCOMPARE(texts(1), QStringList());
    QCOMPARE(texts(2), QStringList({"Goulash     [12]", "Lasagna     [11]"}));
    QCOMPARE(texts(5), QStringList({"Ensure     [7]"}));
    QCOMPARE(texts(7), QStringList({"Apple     [8]", "Banana     [9]"}));
    QCOMPARE(tree[0].items[0].itemId, qint64(12345)); // five digits, whole
    QCOMPARE(tree[7].items[1].itemId, qint64(9));
    // An item under a code of no category is in no node.
    for (const MealTreeCategory& c : tree)
        for (const MealTreeItem& i : c.items)
            QVERIFY(i.itemId != 10);
}

QTEST_MAIN(TestMealTree)
#include "test_mealtree.moc"

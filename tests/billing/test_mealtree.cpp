// The meal-item tree as data and the item numbers read back from its node texts.

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
    void nodeIdentifiers_data();
    void nodeIdentifiers();
    void treeFromHostItems_data() { testdb::addEngineRows(); }
    void treeFromHostItems();
};

void TestMealTree::nodeIdentifiers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("id");
    QTest::addColumn<qint64>("item"); // -1: not an item node
    QTest::newRow("five digits whole") << "Beef Stew     [12345]"
                                       << "12345" << qint64(12345);
    QTest::newRow("bracket in name") << "Rolls [2 pack]     [57]"
                                     << "57" << qint64(57);
    QTest::newRow("tilde") << "Soup     [12~3]"
                           << "12" << qint64(12);
    QTest::newRow("category") << "Breakfasts     [B ]"
                              << "B" << qint64(-1);
    QTest::newRow("uncategorized") << "Uncategorized           []"
                                   << "" << qint64(-1);
    QTest::newRow("no bracket") << "1234 Soup"
                                << "" << qint64(-1);
    QTest::newRow("digit then letters") << "Odd     [12a]"
                                        << "12a" << qint64(-1);
}

void TestMealTree::nodeIdentifiers()
{
    QFETCH(QString, text);
    QFETCH(QString, id);
    QFETCH(qint64, item);
    QCOMPARE(ExtractIDFromString(text), id);
    const std::optional<qint64> read = itemIdOfNode(text);
    QCOMPARE(read.value_or(-1), item);
}

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
    QCOMPARE(tree[0].items[0].itemId, qint64(12345));
    // An item under a code of no category is in no node.
    for (const MealTreeCategory& c : tree)
        for (const MealTreeItem& i : c.items)
            QVERIFY(i.itemId != 10);
}

QTEST_MAIN(TestMealTree)
#include "test_mealtree.moc"

// The item search as a bookkeeper uses it from an invoice line.
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "masterdata/ui/itemsearch.h"
#include "testdatabases.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace
{

void makeItems(Database& db)
{
    schema::createTable(db, ar::item());
    schema::createTable(db, ar::itemType());
    records::insert(db, ar::itemType(),
                    {{QStringLiteral("ItemTypeID"), 1},
                     {QStringLiteral("TypeName"), QStringLiteral("Breakfast [B]")}});
    records::insert(db, ar::itemType(),
                    {{QStringLiteral("ItemTypeID"), 2},
                     {QStringLiteral("TypeName"), QStringLiteral("Lunch [L]")}});
    const struct {
        int id;
        const char* number;
        const char* description;
        int type;
    } items[] = {{1, "B", "Breakfast", 1},      {2, "L", "Lunch", 2},
                 {13, "57", "Chicken Soup", 2}, {14, "P57", "Chicken Soup, Pledge", 2},
                 {15, "102", "oatmeal", 1},     {16, "1021", "Omelette", 1}};
    for (const auto& item : items)
        records::insert(db, ar::item(),
                        {{QStringLiteral("ItemID"), item.id},
                         {QStringLiteral("ItemNo"), QString::fromLatin1(item.number)},
                         {QStringLiteral("ItemDescription"), QString::fromLatin1(item.description)},
                         {QStringLiteral("ItemTypeID"), item.type}});
}

} // namespace

class TestItemSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typingFindsTheItem_data() { testdb::addEngineRows(); }
    void typingFindsTheItem()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeItems(*db);
        TfrmItemSearch search(*db);
        int beeps = 0;
        search.beep = [&] { ++beeps; };
        QCOMPARE(search.windowTitle(), QStringLiteral("Item"));
        QCOMPARE(search.grid->model()->rowCount(), 6);
        QCOMPARE(search.grid->model()->index(0, 0).data().toString(),
                 QStringLiteral("102")); // item-number order
        QCOMPARE(search.selectedItemId(), 15);

        search.setCurrentItem(14);
        QCOMPARE(search.selectedItemId(), 14);

        QTest::keyClicks(search.editItemNo, QStringLiteral("5"));
        QCOMPARE(search.selectedItemId(), 13);
        QTest::keyClicks(search.editItemNo, QStringLiteral("9")); // nothing begins with "59"
        QCOMPARE(beeps, 1);
        QCOMPARE(search.selectedItemId(), 13);

        QTest::keyClicks(search.editDescription, QStringLiteral("om"));
        QCOMPARE(search.selectedItemId(), 16);
        QCOMPARE(search.grid->model()->index(0, 1).data().toString(),
                 QStringLiteral("Breakfast")); // description order
        search.editDescription->clear();
        QTest::keyClicks(search.editDescription, QStringLiteral("OAT"));
        QCOMPARE(search.selectedItemId(), 15);
        QCOMPARE(beeps, 1);
    }

    void typeNarrowsTheList_data() { testdb::addEngineRows(); }
    void typeNarrowsTheList()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeItems(*db);
        TfrmItemSearch search(*db);
        QCOMPARE(search.cboItemType->count(), 3);
        search.cboItemType->setCurrentIndex(
            search.cboItemType->findText(QStringLiteral("Lunch [L]")));
        QCOMPARE(search.grid->model()->rowCount(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(search.grid->model()->index(row, 2).data().toString(),
                     QStringLiteral("Lunch [L]"));
        search.cboItemType->setCurrentIndex(0);
        QCOMPARE(search.grid->model()->rowCount(), 6);
    }

    void okReturnsTheItemAndCancelNothing_data() { testdb::addEngineRows(); }
    void okReturnsTheItemAndCancelNothing()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeItems(*db);
        TfrmItemSearch search(*db);
        search.setCurrentItem(2);
        search.show();
        QVERIFY(QTest::qWaitForWindowExposed(&search));
        QTest::keyClick(search.grid, Qt::Key_Return);
        QCOMPARE(search.result(), int(QDialog::Accepted));
        QCOMPARE(search.selectedItemId(), 2);

        TfrmItemSearch cancelled(*db);
        cancelled.show();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));

        auto empty = testdb::fresh(engine);
        schema::createTable(*empty, ar::item());
        schema::createTable(*empty, ar::itemType());
        TfrmItemSearch none(*empty);
        QCOMPARE(none.selectedItemId(), 0);
    }
};

QTEST_MAIN(TestItemSearch)
#include "test_itemsearch.moc"

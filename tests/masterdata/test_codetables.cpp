// The code tables' rules on both engines: keys of new rows, what cannot be saved, a key another
// user took first, what keeps a row from being deleted, and new items' numbers.
#include "data/artables.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "masterdata/codetables/codedelete.h"
#include "masterdata/codetables/coderecords.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/codetables/itemlist.h"
#include "masterdata/codetables/itemnumbering.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace codetables;

namespace
{

QVariantMap tax(const QString& name, double rate, const QString& code = QStringLiteral("G"))
{
    return {{QStringLiteral("TaxName"), name},
            {QStringLiteral("Rate"), rate},
            {QStringLiteral("TaxCode"), code},
            {QStringLiteral("TaxDescription"), name + QStringLiteral(" tax")}};
}

QString refusalOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Refusal& r) {
        return r.message() + QStringLiteral(" @") + r.field();
    }
    return QStringLiteral("(saved)");
}

qint64 itemType(Database& db, qint64 id)
{
    records::insert(db, ar::itemType(),
                    {{QStringLiteral("ItemTypeID"), id},
                     {QStringLiteral("TypeName"), QStringLiteral("Type %1").arg(id)}});
    return id;
}

} // namespace

class TestCodeTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Keys run from 1 in an empty table and one above the highest after that, gaps included.
    void newRowsTakeTheNextKey_data() { testdb::addEngineRows(); }
    void newRowsTakeTheNextKey()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        const CodeTable taxes = codetables::taxes();
        QCOMPARE(saveRecord(*db, taxes, tax(QStringLiteral("GST"), 5), std::nullopt), 1);
        QCOMPARE(saveRecord(*db, taxes, tax(QStringLiteral("PST"), 7), std::nullopt), 2);
        QVariantMap far = tax(QStringLiteral("HST"), 13);
        far[QStringLiteral("TaxID")] = 40;
        QCOMPARE(saveRecord(*db, taxes, far, std::nullopt), 40);
        QCOMPARE(nextKey(*db, taxes), 41);
        QCOMPARE(nextKey(*db, codetables::locations()), 1);

        // an edit keeps the key and changes only the row edited
        QVariantMap changed = loadRecord(*db, taxes, 2);
        changed[QStringLiteral("Rate")] = 8.0;
        QCOMPARE(saveRecord(*db, taxes, changed, qint64(2)), 2);
        QCOMPARE(loadRecord(*db, taxes, 2).value(QStringLiteral("Rate")).toDouble(), 8.0);
        QCOMPARE(loadRecord(*db, taxes, 1).value(QStringLiteral("Rate")).toDouble(), 5.0);
        QCOMPARE(rowName(*db, taxes, 40), QStringLiteral("HST"));
        const QList<ListRow> rows = listRows(*db, taxes);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.first().cells.first().toString(), QStringLiteral("GST"));
        QCOMPARE(rows.last().cells.first().toString(), QStringLiteral("PST"));
    }

    // Missing values are refused in the member's order with the cursor's field; a tax rate of 0
    // counts as missing; a salesman needs a first or a last name.
    void missingValuesAreRefusedInOrder_data() { testdb::addEngineRows(); }
    void missingValuesAreRefusedInOrder()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        const CodeTable taxes = codetables::taxes();
        QVariantMap blank;
        QCOMPARE(refusalOf([&] { saveRecord(*db, taxes, blank, std::nullopt); }),
                 QStringLiteral("Field 'Tax Name' must have a value @TaxName"));
        QVariantMap noCode = tax(QStringLiteral("GST"), 5, QString());
        noCode[QStringLiteral("TaxDescription")] = QString();
        QCOMPARE(refusalOf([&] { saveRecord(*db, taxes, noCode, std::nullopt); }),
                 QStringLiteral("Field 'Code' must have a value @TaxCode"));
        QCOMPARE(
            refusalOf([&] { saveRecord(*db, taxes, tax(QStringLiteral("GST"), 0), std::nullopt); }),
            QStringLiteral("Field 'Rate' must have a value @Rate"));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Tax")), 0);

        const CodeTable salesmen = codetables::salesmen();
        QVariantMap blanks{{QStringLiteral("FirstName"), QStringLiteral("  ")}};
        QCOMPARE(refusalOf([&] { saveRecord(*db, salesmen, blanks, std::nullopt); }),
                 QStringLiteral("Field 'Salesman Name' must have a value @FirstName"));
        QVariantMap onlyLast{{QStringLiteral("LastName"), QStringLiteral("Okafor")}};
        QCOMPARE(refusalOf([&] { saveRecord(*db, salesmen, onlyLast, std::nullopt); }),
                 QStringLiteral("(saved)"));
        QCOMPARE(rowName(*db, salesmen, 1), QStringLiteral("Okafor"));
    }

    // A key another workstation took first gives the member's message; a member without one
    // lets the engine's failure through.
    void takenKeyGivesTheDuplicateMessage_data() { testdb::addEngineRows(); }
    void takenKeyGivesTheDuplicateMessage()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        saveRecord(*db, codetables::taxes(), tax(QStringLiteral("GST"), 5), std::nullopt);
        QVariantMap again = tax(QStringLiteral("PST"), 7);
        again[QStringLiteral("TaxID")] = 1;
        QCOMPARE(refusalOf([&] { saveRecord(*db, codetables::taxes(), again, std::nullopt); }),
                 QStringLiteral("Tax already exists @TaxName"));

        const CodeTable salesmen = codetables::salesmen();
        QVariantMap first{{QStringLiteral("SalesmanID"), 3},
                          {QStringLiteral("LastName"), QStringLiteral("Ng")}};
        saveRecord(*db, salesmen, first, std::nullopt);
        try {
            saveRecord(*db, salesmen, first, std::nullopt);
            QFAIL("a taken salesman key was saved");
        } catch (const DbError& e) {
            QVERIFY(e.isKeyViolation());
        }
    }

    // A bank's currency and an item's type that another user deleted are refused by name.
    void deletedPicksAreRefused_data() { testdb::addEngineRows(); }
    void deletedPicksAreRefused()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        QVariantMap bank{{QStringLiteral("BankName"), QStringLiteral("Northern Trust")},
                         {QStringLiteral("CurrencyID"), 9}};
        QCOMPARE(refusalOf([&] { saveRecord(*db, codetables::banks(), bank, std::nullopt); }),
                 QStringLiteral("Currency no longer exists @CurrencyID"));
        records::insert(*db, ar::currency(),
                        {{QStringLiteral("CurrencyID"), 9},
                         {QStringLiteral("CurrencyName"), QStringLiteral("Dollars")}});
        QCOMPARE(saveRecord(*db, codetables::banks(), bank, std::nullopt), 1);
        QCOMPARE(listRows(*db, codetables::banks()).first().cells.last().toString(),
                 QStringLiteral("Dollars"));

        QVariantMap item{{QStringLiteral("ItemID"), 10000},
                         {QStringLiteral("ItemNo"), QStringLiteral("1001")},
                         {QStringLiteral("ItemDescription"), QStringLiteral("Soup")},
                         {QStringLiteral("ItemTypeID"), 7}};
        QCOMPARE(refusalOf([&] { saveRecord(*db, codetables::items(), item, std::nullopt); }),
                 QStringLiteral("Item Type no longer exists @ItemTypeID"));
    }

    // Item types 1 to 6 are refused before the question; 7 goes after Yes when no item uses
    // it, stays after No, and stays with the guard's message while an item uses it.
    void itemTypeDeletes_data() { testdb::addEngineRows(); }
    void itemTypeDeletes()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        const CodeTable types = codetables::itemTypes();
        for (qint64 id = 1; id <= 8; ++id)
            itemType(*db, id);

        ScriptedDialogs refused;
        QVERIFY(!deleteWithConfirmation(*db, refused, types, 6, QStringLiteral("Other")));
        QCOMPARE(refused.texts(),
                 QStringList{QStringLiteral("System-defined Item Types can't be deleted!")});
        QVERIFY(!refused.shown().first().question);

        ScriptedDialogs declined({Dialogs::No});
        QVERIFY(!deleteWithConfirmation(*db, declined, types, 7, QStringLiteral("Type 7")));
        QCOMPARE(declined.texts(), QStringList{QStringLiteral("Delete 'Type 7'?")});

        records::insert(*db, ar::item(),
                        {{QStringLiteral("ItemID"), 1}, {QStringLiteral("ItemTypeID"), 8}});
        ScriptedDialogs guarded({Dialogs::Yes});
        QVERIFY(!deleteWithConfirmation(*db, guarded, types, 8, QStringLiteral("Type 8")));
        QCOMPARE(guarded.texts().last(),
                 QStringLiteral("Unable to delete 'Type 8'...\rItem(s) exist for this item type"));

        ScriptedDialogs accepted({Dialogs::Yes});
        QVERIFY(deleteWithConfirmation(*db, accepted, types, 7, QStringLiteral("Type 7")));
        QCOMPARE(
            testdb::integers(*db, QStringLiteral("SELECT ItemTypeID FROM ItemType ORDER BY 1")),
            (QList<qint64>{1, 2, 3, 4, 5, 6, 8}));
    }

    // Guards are looked at in order, each of a tax's two columns included; a guarding table
    // that this database does not have guards nothing; a location takes its stock balances
    // with it.
    void deleteGuards_data() { testdb::addEngineRows(); }
    void deleteGuards()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        const CodeTable taxes = codetables::taxes();
        records::insert(*db, ar::customer(),
                        {{QStringLiteral("CustomerID"), 1}, {QStringLiteral("Tax2ID"), 4}});
        records::insert(*db, ar::arInv(),
                        {{QStringLiteral("ARInvoiceID"), 1},
                         {QStringLiteral("Tax1ID"), 4},
                         {QStringLiteral("Tax2ID"), 5}});
        QCOMPARE(*guardRefusal(*db, taxes, 4, QStringLiteral("PST")),
                 QStringLiteral("Unable to delete tax 'PST'...\rCustomer(s) exist for this tax"));
        QCOMPARE(*guardRefusal(*db, taxes, 5, QStringLiteral("HST")),
                 QStringLiteral("Unable to delete tax 'HST'...\rInvoice(s) exist for this tax"));
        QVERIFY(!guardRefusal(*db, taxes, 6, QStringLiteral("QST")));

        // the AP cheques are not in this database; the AR payments still guard
        QVERIFY(!schema::tableExists(*db, QStringLiteral("APCheq")));
        QVERIFY(!guardRefusal(*db, codetables::banks(), 2, QStringLiteral("Credit Union")));
        records::insert(*db, ar::arPmt(),
                        {{QStringLiteral("PaymentID"), 1}, {QStringLiteral("BankID"), 2}});
        QCOMPARE(*guardRefusal(*db, codetables::banks(), 2, QStringLiteral("Credit Union")),
                 QStringLiteral("Unable to delete 'Credit Union'...\r"
                                "AR payment(s) exist for this bank"));

        // a location deletes without the inventory tables, and with them takes its balances
        const CodeTable locations = codetables::locations();
        for (int id : {1, 2})
            records::insert(
                *db, ar::warehouse(),
                {{QStringLiteral("WarehouseID"), id},
                 {QStringLiteral("WarehouseName"), QStringLiteral("Depot %1").arg(id)}});
        ScriptedDialogs yes({Dialogs::Yes, Dialogs::Yes});
        QVERIFY(deleteWithConfirmation(*db, yes, locations, 1, QStringLiteral("Depot 1")));
        db->exec(QStringLiteral("CREATE TABLE IBalance (WarehouseID INTEGER, ItemID INTEGER)"));
        db->exec(QStringLiteral("INSERT INTO IBalance VALUES (2, 1)"));
        db->exec(QStringLiteral("INSERT INTO IBalance VALUES (3, 1)"));
        QVERIFY(deleteWithConfirmation(*db, yes, locations, 2, QStringLiteral("Depot 2")));
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT WarehouseID FROM IBalance")),
                 QList<qint64>{3});
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Warehse")), 0);
    }

    // New items are numbered from ItemCtl: a fresh counter gives 1001 and key 10000, a counter
    // past 10,000,000 starts again at 1001, a set key counter goes on from where it is.
    void itemNumbering_data() { testdb::addEngineRows(); }
    void itemNumbering()
    {
        QFETCH(QString, engine);
        const struct {
            const char* name;
            QVariant nextNo;
            QVariant nextId;
            const char* itemNo;
            qint64 itemId;
        } cases[] = {{"fresh counters", 0, 0, "1001", 10000},
                     {"no control row", QVariant(), QVariant(), "1001", 10000},
                     {"last number", 10000000, 13, "10000000", 13},
                     {"past the last", 10000001, 13, "1001", 13},
                     {"below the first", 1000, 57, "1001", 57},
                     {"running", 1042, 10010, "1042", 10010}};
        for (const auto& c : cases) {
            auto db = testdb::freshWithArTables(engine);
            if (!c.nextNo.isNull())
                records::insert(*db, ar::itemCtl(),
                                {{QStringLiteral("NextItemNo"), c.nextNo},
                                 {QStringLiteral("NextItemID"), c.nextId}});
            const NewItemNumbers drawn = drawItemNumbers(*db);
            const qint64 number = QString::fromLatin1(c.itemNo).toLongLong();
            QVERIFY2(drawn.itemNo == QLatin1String(c.itemNo), c.name);
            QVERIFY2(drawn.itemId == c.itemId, c.name);
            QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT NextItemNo FROM ItemCtl")),
                     number + 1);
            QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT NextItemID FROM ItemCtl")),
                     c.itemId + 1);
            // the number after the last one starts again at 1001
            QCOMPARE(drawItemNumbers(*db).itemNo,
                     QString::number(number == 10000000 ? 1001 : number + 1));
        }
    }

    // The item list's filter narrows on both engines; find goes to the first match in the
    // order searched.
    void itemFilterAndFind_data() { testdb::addEngineRows(); }
    void itemFilterAndFind()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        const struct {
            int id;
            const char* number;
            const char* description;
            int type;
            bool suspended;
        } rows[] = {{1, "57", "Chicken Soup", 2, false},
                    {2, "P57", "Chicken Soup, Pledge", 2, true},
                    {3, "1_02", "oatmeal", 1, false}};
        for (const auto& r : rows)
            records::insert(
                *db, ar::item(),
                {{QStringLiteral("ItemID"), r.id},
                 {QStringLiteral("ItemNo"), QString::fromLatin1(r.number)},
                 {QStringLiteral("ItemDescription"), QString::fromLatin1(r.description)},
                 {QStringLiteral("ItemTypeID"), r.type},
                 {QStringLiteral("Suspended"), r.suspended}});
        const QString filter = itemFilter(2, SuspendedChoice::No);
        QCOMPARE(filter, QStringLiteral("(ItemTypeID =2) and (Suspended = false)"));
        const QList<ListRow> narrowed = listRows(*db, codetables::items(), filter);
        QCOMPARE(narrowed.size(), 1);
        QCOMPARE(narrowed.first().key, 1);
        QCOMPARE(listRows(*db, codetables::items(), itemFilter({}, SuspendedChoice::Yes)).size(),
                 1);
        QVERIFY(itemFilter({}, SuspendedChoice::All).isEmpty());

        QCOMPARE(findItem(*db, true, QStringLiteral("p5")), std::optional<qint64>(2));
        QCOMPARE(findItem(*db, false, QStringLiteral("OAT")), std::optional<qint64>(3));
        QCOMPARE(findItem(*db, true, QStringLiteral("1_0")), std::optional<qint64>(3));
        QVERIFY(!findItem(*db, true, QStringLiteral("1%")));
        QCOMPARE(itemNotFoundMessage(QStringLiteral("99")),
                 QStringLiteral("Item no. '99'not found"));
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "test_codetables.moc"

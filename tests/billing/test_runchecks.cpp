// The questions and checks before a generation run, with their exact texts, on both engines.

#include "billing/runchecks.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;

namespace
{

std::unique_ptr<Database> openModule(const QString& engine)
{
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    ScriptedDialogs dialogs;
    if (!createOrUpgradeSchema(*db, dialogs).error.isEmpty())
        qFatal("schema");
    return db; // the AR items hold the twelve seeded ones, no customers
}

void addCustomer(Database& db)
{
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), 1}, {QStringLiteral("CustomerNo"), "C1"}});
}

void addHostItems(Database& db, int count)
{
    for (int i = 1; i <= count; ++i)
        records::insert(db, host::items(), {{QStringLiteral("Item_ID"), i}});
}

void setArItemCount(Database& db, int count)
{
    db.exec(QStringLiteral("DELETE FROM Item"));
    for (int i = 1; i <= count; ++i)
        records::insert(
            db, ar::item(),
            {{QStringLiteral("ItemID"), i}, {QStringLiteral("ItemNo"), QString::number(i)}});
}

const DeliveryPeriod kJune{QDate(2024, 6, 1), QDate(2024, 6, 30)};

} // namespace

class TestRunChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void confirmRun_data() { testdb::addEngineRows(); }
    void confirmRun();
    void masterData_data() { testdb::addEngineRows(); }
    void masterData();
    void itemSynchronization_data() { testdb::addEngineRows(); }
    void itemSynchronization();
    void customerSynchronization();
};

void TestRunChecks::confirmRun()
{
    QFETCH(QString, engine);
    auto db = openModule(engine);
    const FormatSettings us = FormatSettings::us();
    QCOMPARE(runEventText(kJune, us), QStringLiteral("Invoices for 6/1/2024-6/30/2024 generated."));
    QCOMPARE(runEventText(kJune, FormatSettings::dayMonthYear()),
             QStringLiteral("Invoices for 1/6/2024-30/6/2024 generated."));

    ScriptedDialogs first({Dialogs::No});
    QVERIFY(!billing::confirmRun(*db, first, kJune, us));
    QCOMPARE(first.shown().at(0).kind, Dialogs::Kind::Information);
    QCOMPARE(first.texts(),
             QStringList({"Proceed with generating invoices for 6/1/2024-6/30/2024?"}));

    records::insert(*db, host::history(),
                    {{QStringLiteral("History_ID"), 1},
                     {QStringLiteral("Tran_Date"), QDateTime(QDate(2024, 7, 2), QTime(9, 0))},
                     {QStringLiteral("Event"), runEventText(kJune, us)}});
    ScriptedDialogs again({Dialogs::Yes});
    QVERIFY(billing::confirmRun(*db, again, kJune, us));
    QCOMPARE(again.shown().at(0).kind, Dialogs::Kind::Warning);
    QCOMPARE(again.shown().at(0).buttons, Dialogs::Buttons(Dialogs::Yes | Dialogs::No));
    QCOMPARE(again.texts(),
             QStringList({"Invoices have been generated at least once \r\nfor "
                          "6/1/2024-6/30/2024!\r\nAre you sure that you want to generate "
                          "invoices\r\nagain for those same dates?"}));

    // Another period, even one inside the invoiced one, was never run.
    ScriptedDialogs other({Dialogs::Cancel});
    QVERIFY(!billing::confirmRun(*db, other, {QDate(2024, 6, 1), QDate(2024, 6, 15)}, us));
    QCOMPARE(other.texts(),
             QStringList({"Proceed with generating invoices for 6/1/2024-6/15/2024?"}));
}

void TestRunChecks::masterData()
{
    QFETCH(QString, engine);
    auto db = openModule(engine);
    QCOMPARE(masterDataProblem(*db), kCustomersEmpty);
    db->exec(QStringLiteral("DELETE FROM Item"));
    ScriptedDialogs dialogs;
    QVERIFY(!checkMasterData(*db, dialogs));
    QCOMPARE(dialogs.shown().at(0).kind, Dialogs::Kind::Warning);
    QCOMPARE(dialogs.texts(),
             QStringList({"The Customer and Item tables are both empty.\r\nSynchronize "
                          "Customers and Items before generating invoices!"}));
    addCustomer(*db);
    QCOMPARE(masterDataProblem(*db),
             QStringLiteral(
                 "The Item table is empty.\r\nSynchronize Items before generating invoices!"));
    setArItemCount(*db, 1);
    ScriptedDialogs quiet;
    QVERIFY(checkMasterData(*db, quiet));
    QVERIFY(quiet.shown().isEmpty());
    QCOMPARE(kCustomersEmpty, QStringLiteral("The Customer table is empty.\r\nSynchronize "
                                             "Customers before generating invoices!"));
}

void TestRunChecks::itemSynchronization()
{
    QFETCH(QString, engine);
    struct Case {
        int arItems;
        Dialogs::Button answer; // NoButton: not asked
        bool goesOn;
    };
    // With 100 host items, 111 AR items are behind and 112 are not.
    for (const Case& c : {Case{111, Dialogs::Yes, true}, Case{111, Dialogs::No, false},
                          Case{112, Dialogs::NoButton, true}}) {
        auto db = openModule(engine);
        addHostItems(*db, 100);
        setArItemCount(*db, c.arItems);
        const bool asked = c.answer != Dialogs::NoButton;
        QCOMPARE(itemsBehindHost(*db), asked);
        ScriptedDialogs dialogs;
        if (asked)
            dialogs.answer(c.answer);
        int synchronized = 0;
        QCOMPARE(offerItemSynchronization(*db, dialogs, [&] { ++synchronized; }), c.goesOn);
        QCOMPARE(synchronized, asked && c.goesOn ? 1 : 0);
        QStringList expected;
        if (asked)
            expected << "Synchronize Items generating invoices?";
        if (!c.goesOn)
            expected
                << "The Items table must be synchronized \r\nbefore invoices can be generated!";
        QCOMPARE(dialogs.texts(), expected);
    }
}

void TestRunChecks::customerSynchronization()
{
    for (Dialogs::Button answer : {Dialogs::Yes, Dialogs::No}) {
        ScriptedDialogs dialogs({answer});
        int synchronized = 0;
        offerCustomerSynchronization(dialogs, [&] { ++synchronized; });
        QCOMPARE(synchronized, answer == Dialogs::Yes ? 1 : 0);
        QCOMPARE(dialogs.texts(),
                 QStringList({"Synchronize Customers with Clients before generating invoices?"}));
        QCOMPARE(dialogs.shown().at(0).kind, Dialogs::Kind::Confirmation);
    }
}

QTEST_MAIN(TestRunChecks)
#include "test_runchecks.moc"

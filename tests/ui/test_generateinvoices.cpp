// The Generate Invoices screen: what it shows each time, what it remembers in Hearthtable.ini,
// how its choices steer one another, and a run started with OK on a small meal program.
#include "billing/ui/formgenerateinvoices.h"
#include "billing/ui/mealitemtree.h"
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"
#include "data/datamodule.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/dialect.h"
#include "engine/recordwriter.h"
#include "host/sampledata.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/formarsystem.h"
#include "plugin/ui/screenregistry.h"
#include "scripteddialogs.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "testdatabases.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace
{

// The AR module over a fresh database of the row's engine, its ini file in a folder of its own.
struct Module {
    QTemporaryDir folder;
    ScriptedDialogs quiet;
    std::unique_ptr<TDataModuleARSystem> module;

    explicit Module(std::unique_ptr<Database> db)
    {
        module = std::make_unique<TDataModuleARSystem>(std::move(db), folder.path(), quiet);
        module->CurrentUserName = QStringLiteral("marta");
    }
    Database& db() { return module->database(); }
    QString ini() const
    {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Hearthtable.ini")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

std::unique_ptr<Database> withHostTables(const QString& engine)
{
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    return db;
}

void addHostItem(Database& db, int id, const QString& name, const QVariant& meal)
{
    records::insert(db, host::items(),
                    {{QStringLiteral("Item_ID"), id},
                     {QStringLiteral("Meal_Item"), name},
                     {QStringLiteral("Meal"), meal}});
}

// The tree as the bookkeeper reads it: categories, and their items indented.
QStringList treeLines(const MealItemTree* tree)
{
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* category = tree->topLevelItem(i);
        lines << category->text(0);
        for (int j = 0; j < category->childCount(); ++j)
            lines << QStringLiteral("  ") + category->child(j)->text(0);
    }
    return lines;
}

bool anyChecked(const MealItemTree* tree)
{
    for (QTreeWidgetItemIterator it(const_cast<MealItemTree*>(tree)); *it; ++it) {
        if ((*it)->checkState(0) != Qt::Unchecked)
            return true;
    }
    return false;
}

QTreeWidgetItem* node(MealItemTree* tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

QDate previousMonthStart()
{
    const QDate today = QDate::currentDate();
    return QDate(today.year(), today.month(), 1).addMonths(-1);
}

} // namespace

class TestGenerateInvoices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void showingAndRemembering_data() { testdb::addEngineRows(); }
    void showingAndRemembering()
    {
        QFETCH(QString, engine);
        Module m(withHostTables(engine));
        addHostItem(m.db(), 7, QStringLiteral("Soup"), QStringLiteral("L "));
        addHostItem(m.db(), 12, QStringLiteral("Beef Stew"), QStringLiteral("D "));
        addHostItem(m.db(), 3, QStringLiteral("Apple Juice"), QStringLiteral("L"));
        addHostItem(m.db(), 40, QStringLiteral("Zinc Shake"), QVariant());
        TFormGenerateInvoices screen(*m.module);
        screen.show();

        // First use: last month, nothing chosen, meals for private payers into History.
        const QDate start = previousMonthStart();
        QCOMPARE(screen.wwDBDateTimePickerStart->date(), start);
        QCOMPARE(screen.wwDBDateTimePickerEnd->date(), start.addMonths(1).addDays(-1));
        QCOMPARE(screen.wwDBDateTimePickerInvoiceDate->date(), QDate::currentDate());
        QVERIFY(!screen.RzRadioButtonIncludeAll->isChecked() &&
                !screen.RzRadioButtonInclude->isChecked() &&
                !screen.RzRadioButtonExclude->isChecked());
        QCOMPARE(screen.RzComboBoxBillingMethod->currentIndex(), 0);
        QCOMPARE(screen.RzComboBoxPayersToInclude->currentIndex(), 0);
        QVERIFY(!screen.RzComboBoxTimePledgeOption->isEnabled());
        QVERIFY(screen.wwCheckBoxPostToHistory->isChecked());
        QVERIFY(screen.ButtonCancel->isDefault());
        QCOMPARE(treeLines(screen.RzCheckTreeMealItems),
                 QStringList({"Breakfasts     [B ]", "Lunches     [L ]", "  Apple Juice     [3]",
                              "  Soup     [7]", "Dinners     [D ]", "  Beef Stew     [12]",
                              "Snacks     [S ]", "Other Meals     [O ]", "Medical Food     [MF]",
                              "Specialized Medical Food     [SM]", "Uncategorized           []",
                              "  Zinc Shake     [40]"}));

        // Everything the bookkeeper changes, and closes with.
        screen.RzRadioButtonExclude->setChecked(true);
        screen.RzComboBoxBillingMethod->setCurrentIndex(2);
        screen.RzComboBoxTimePledgeOption->setCurrentIndex(3);
        screen.RzComboBoxPayersToInclude->setCurrentIndex(1);
        screen.wwCheckBoxPostToHistory->setChecked(false);
        screen.wwDBDateTimePickerStart->setDate(QDate(2024, 2, 1));
        screen.wwDBDateTimePickerInvoiceDate->setDate(QDate(2024, 3, 5));
        node(screen.RzCheckTreeMealItems, QStringLiteral("Soup     [7]"))
            ->setCheckState(0, Qt::Checked);
        screen.ButtonCancel->click();
        QVERIFY(!screen.isVisible());
        const QString ini = m.ini();
        for (const char* line : {"[FormGenerateInvoices]", "RzRadioButtonIncludeAll=False",
                                 "RzRadioButtonInclude=False", "RzRadioButtonExclude=True",
                                 "RzComboBoxBillingMethod=2", "RzComboBoxTimePledgeOption=3",
                                 "RzComboBoxPayersToInclude=1", "wwCheckBoxPostToHistory=False"})
            QVERIFY2(ini.contains(QLatin1String(line)), line);

        // Shown again: the choices come back, the dates and the tree start afresh.
        addHostItem(m.db(), 55, QStringLiteral("Oatmeal"), QStringLiteral("B "));
        screen.show();
        QVERIFY(screen.RzRadioButtonExclude->isChecked());
        QCOMPARE(screen.RzComboBoxBillingMethod->currentIndex(), 2);
        QCOMPARE(screen.RzComboBoxTimePledgeOption->currentIndex(), 3);
        QVERIFY(screen.RzComboBoxTimePledgeOption->isEnabled());
        QCOMPARE(screen.RzComboBoxPayersToInclude->currentIndex(), 1);
        QVERIFY(!screen.wwCheckBoxPostToHistory->isChecked());
        QCOMPARE(screen.wwDBDateTimePickerStart->date(), start);
        QCOMPARE(screen.wwDBDateTimePickerInvoiceDate->date(), QDate::currentDate());
        QVERIFY(node(screen.RzCheckTreeMealItems, QStringLiteral("Oatmeal     [55]")));
        QVERIFY(!anyChecked(screen.RzCheckTreeMealItems));

        // The console brings an open screen forward through FormShow: the same fresh start.
        screen.wwDBDateTimePickerEnd->setDate(QDate(2030, 1, 31));
        QMetaObject::invokeMethod(&screen, "FormShow");
        QCOMPARE(screen.wwDBDateTimePickerEnd->date(), start.addMonths(1).addDays(-1));
    }

    void choicesSteerEachOther()
    {
        Module m(withHostTables(QStringLiteral("sqlite")));
        addHostItem(m.db(), 7, QStringLiteral("Soup"), QStringLiteral("L "));
        addHostItem(m.db(), 8, QStringLiteral("Chowder"), QStringLiteral("L "));
        addHostItem(m.db(), 12, QStringLiteral("Beef Stew"), QStringLiteral("D "));
        TFormGenerateInvoices screen(*m.module);
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));

        // A start past the end takes the end to the end of its month; an end before the start
        // takes the start to the first of its month. "+" and "-" are typed changes.
        DateEntry* start = screen.wwDBDateTimePickerStart;
        DateEntry* end = screen.wwDBDateTimePickerEnd;
        start->setDate(QDate(2025, 11, 30));
        end->setDate(QDate(2025, 11, 30));
        QTest::keyClick(start, Qt::Key_Plus);
        QCOMPARE(end->date(), QDate(2025, 12, 31));
        QTest::keyClick(start, Qt::Key_Minus); // back inside the period: the end stays
        QCOMPARE(end->date(), QDate(2025, 12, 31));
        start->setDate(QDate(2025, 12, 1));
        end->setDate(QDate(2025, 12, 1));
        QTest::keyClick(end, Qt::Key_Minus);
        QCOMPARE(start->date(), QDate(2025, 11, 1));
        // An emptied start is put back rather than left without a period.
        start->setFocus();
        QTest::keyClick(start, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(start, Qt::Key_Delete);
        end->setFocus();
        QCOMPARE(start->date(), QDate(2025, 11, 1));

        // Pledge choices only matter when pledges are billed.
        for (int method : {1, 2, 0}) {
            screen.RzComboBoxBillingMethod->setCurrentIndex(method);
            QCOMPARE(screen.RzComboBoxTimePledgeOption->isEnabled(), method > 0);
        }

        // Clicking the tree while every item is taken switches to "Include only".
        MealItemTree* tree = screen.RzCheckTreeMealItems;
        QTreeWidgetItem* soup = node(tree, QStringLiteral("Soup     [7]"));
        const QPoint soupPoint = tree->visualItemRect(soup).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, soupPoint);
        QVERIFY(!screen.RzRadioButtonInclude->isChecked()); // nothing chosen yet: left alone
        screen.RzRadioButtonIncludeAll->setChecked(true);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, soupPoint);
        QVERIFY(screen.RzRadioButtonInclude->isChecked());
        QVERIFY(!screen.RzRadioButtonIncludeAll->isChecked());
        screen.RzRadioButtonExclude->setChecked(true);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, soupPoint);
        QVERIFY(screen.RzRadioButtonExclude->isChecked());

        // The run takes the fully checked items in tree order, whatever order they were ticked.
        node(tree, QStringLiteral("Beef Stew     [12]"))->setCheckState(0, Qt::Checked);
        node(tree, QStringLiteral("Lunches     [L ]"))->setCheckState(0, Qt::Checked);
        screen.RzComboBoxBillingMethod->setCurrentIndex(2);
        screen.RzComboBoxTimePledgeOption->setCurrentIndex(1);
        screen.RzComboBoxPayersToInclude->setCurrentIndex(2);
        screen.wwCheckBoxPostToHistory->setChecked(false);
        billing::GenerationSettings chosen = screen.generationSettings();
        QCOMPARE(chosen.filter.mode, billing::ItemFilterMode::Exclude);
        QCOMPARE(chosen.filter.itemIds, QList<qint64>({8, 7, 12}));
        QCOMPARE(chosen.period.start, QDate(2025, 11, 1));
        QCOMPARE(chosen.period.end, QDate(2025, 11, 30));
        QCOMPARE(chosen.billing, BillingChoice::MealsAndPledges);
        QCOMPARE(chosen.pledgeOption, billing::PledgeOption::PerDay);
        QCOMPARE(chosen.payers, PayerChoice::FundersOnly);
        QVERIFY(!chosen.postToHistory);
        QCOMPARE(chosen.userName, QStringLiteral("marta"));
        node(tree, QStringLiteral("Chowder     [8]"))->setCheckState(0, Qt::Unchecked);
        screen.RzRadioButtonInclude->setChecked(true);
        chosen = screen.generationSettings();
        QCOMPARE(chosen.filter.mode, billing::ItemFilterMode::IncludeOnly);
        QCOMPARE(chosen.filter.itemIds, QList<qint64>({7, 12})); // a partly checked category
    }

    void consoleOpensTheScreenWithItsSynchronizations()
    {
        Module m(withHostTables(QStringLiteral("sqlite")));
        arProcess().dataModule = m.module.get();
        TFormARSystem console;
        int itemRuns = 0;
        int customerRuns = 0;
        console.wire(console.ActionSynchronizeItems, [&] { ++itemRuns; });
        console.wire(console.ActionSynchronizeClients, [&] { ++customerRuns; });
        console.ActionGenerateInvoices->trigger();
        auto* screen = qobject_cast<TFormGenerateInvoices*>(
            findScreen(QStringLiteral("FormGenerateInvoices")));
        QVERIFY(screen && screen->isVisible());
        screen->ActionSynchronizeItems->trigger();
        screen->ActionSynchronizeClients->trigger();
        QCOMPARE(itemRuns, 1);
        QCOMPARE(customerRuns, 1);

        // Opened again while open: the same screen, started afresh.
        screen->wwDBDateTimePickerStart->setDate(QDate(2020, 5, 1));
        console.ActionGenerateInvoices->trigger();
        QCOMPARE(findScreen(QStringLiteral("FormGenerateInvoices")), screen);
        QCOMPARE(screen->wwDBDateTimePickerStart->date(), previousMonthStart());
        screen->ActionSynchronizeItems->trigger(); // bound once, however often it is opened
        QCOMPARE(itemRuns, 2);
        arProcess().dataModule = nullptr;
    }

    void runFromOK_data() { testdb::addEngineRows(); }
    void runFromOK()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        SampleDataOptions sample;
        sample.clients = SampleDataOptions::kMinClients;
        sample.periodStart = QDate(2025, 11, 1);
        generateSampleData(*db, sample);
        Module m(std::move(db));
        ScriptedDialogs syncDialogs;
        NoProgress noProgress;
        synchronizeCustomers(m.db(), syncDialogs, noProgress); // the items are left behind

        TFormGenerateInvoices screen(*m.module);
        ScriptedDialogs dialogs({Dialogs::No});
        screen.setDialogs(&dialogs);
        int itemRuns = 0;
        int customerRuns = 0;
        connect(screen.ActionSynchronizeItems, &QAction::triggered, this, [&] {
            ++itemRuns;
            synchronizeItems(m.db(), syncDialogs, noProgress);
        });
        connect(screen.ActionSynchronizeClients, &QAction::triggered, this,
                [&] { ++customerRuns; });
        screen.show();
        screen.wwDBDateTimePickerStart->setDate(QDate(2025, 11, 1));
        screen.wwDBDateTimePickerEnd->setDate(QDate(2025, 11, 30));

        // Declined: the screen stays open, ready for another try, and nothing is written.
        screen.ButtonOK->click();
        QCOMPARE(dialogs.texts(),
                 QStringList({"Proceed with generating invoices for 11/1/2025-11/30/2025?"}));
        QVERIFY(screen.isVisible());
        QVERIFY(screen.ButtonOK->isEnabled());
        QCOMPARE(testdb::scalar(m.db(), QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);

        // Yes to going on and to both synchronizations: the items are brought in first. The
        // sample leaves meals unbilled (No Billing sources among them): No to seeing them.
        for (Dialogs::Button answer : {Dialogs::Yes, Dialogs::Yes, Dialogs::Yes, Dialogs::No})
            dialogs.answer(answer);
        screen.ButtonOK->click();
        QCOMPARE(dialogs.unusedAnswers(), 0);
        QCOMPARE(itemRuns, 1);
        QCOMPARE(customerRuns, 1);
        const qint64 invoices =
            testdb::scalar(m.db(), QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        QVERIFY(invoices > 0);
        const QStringList told = dialogs.texts();
        QCOMPARE(told.at(told.size() - 2),
                 QStringLiteral("Completed generating %1 invoices.").arg(invoices));
        QVERIFY2(QRegularExpression(QStringLiteral("^[1-9][0-9]* deliveries were not billed\\. "
                                                   "Show them\\?$"))
                     .match(told.last())
                     .hasMatch(),
                 qPrintable(told.last()));
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.ButtonOK->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        Statement record = m.db().query(QStringLiteral("SELECT %1 FROM History WHERE Event = "
                                                       "'Invoices for 11/1/2025-11/30/2025 "
                                                       "generated.'")
                                            .arg(Dialect::quotedUser()));
        record.exec();
        QVERIFY(record.next());
        QCOMPARE(record.text(0), QStringLiteral("marta"));
        QVERIFY(m.ini().contains(QLatin1String("[FormGenerateInvoices]")));
    }
};

QTEST_MAIN(TestGenerateInvoices)
#include "test_generateinvoices.moc"

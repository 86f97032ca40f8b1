// "AR Reports", offscreen: the two pages and their buttons, the checks of the typed fields as
// they are left (the message, the focus kept, no report started), the choices the reports are
// started with (the field still being typed in included), the defaults of each showing, and the
// refusals without a printer or without a way to start the report.
#include "arworld.h"
#include "common/formatsettings.h"
#include "common/printercheck.h"
#include "common/ui/dateentry.h"
#include "reports/menu/ui/frmarreports.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using reports::ReportMenuChoices;

namespace
{

using arworld::str;

void plant(Database& db)
{
    arworld::createTables(db);
    arworld::addCurrency(db, 1, str("US Dollar"));
    arworld::addCurrency(db, 2, str("Canadian Dollar"));
    arworld::addCustomer(db, 7, str("101"), str("Adams, Ann"), str("C"));
    arworld::addCustomer(db, 8, str("102"), str("Baker, Bob"), str("C"));
}

// The menu shown and active, so that fields take and lose the focus as they would on a desk.
struct ShownMenu {
    explicit ShownMenu(Database& db) : menu(db, nullptr, &dialogs)
    {
        menu.startAgedTrialBalance = [this](const ReportMenuChoices& c) { record(0, c); };
        menu.startHistory = [this](const ReportMenuChoices& c) { record(1, c); };
        menu.startLabels = [this](const ReportMenuChoices& c) { record(3, c); };
        menu.show();
        QApplication::setActiveWindow(&menu);
    }
    void record(int report, const ReportMenuChoices& c)
    {
        started << report;
        last = c;
    }
    // Chooses the report on page one and goes on to its options.
    void open(TfrmARReports::Report report)
    {
        menu.lstReports->setCurrentRow(report);
        menu.btnNext->click();
    }
    // Replaces a box's text by typing, as the user would.
    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    ScriptedDialogs dialogs;
    TfrmARReports menu;
    QList<int> started;
    ReportMenuChoices last;
};

} // namespace

class TestArReportsMenu : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<Database> db_;

private Q_SLOTS:
    void initTestCase()
    {
        setCurrentFormatSettings(FormatSettings::us());
        setPrinterNameSource([] { return str("Office laser"); });
        db_ = testdb::fresh(QStringLiteral("sqlite"));
        plant(*db_);
    }
    void cleanupTestCase() { setPrinterNameSource({}); }

    void pagesAndButtons()
    {
        ShownMenu shown(*db_);
        TfrmARReports& menu = shown.menu;
        QCOMPARE(menu.windowTitle(), str("AR Reports"));
        QStringList names;
        for (int i = 0; i < menu.lstReports->count(); ++i)
            names << menu.lstReports->item(i)->text();
        QCOMPARE(names, QStringList({str("Aged Trial Balance"), str("AR History"),
                                     str("AR Statements"), str("AR Labels")}));
        QCOMPARE(menu.btnNext->text(), str("&Next >"));
        QVERIFY(!menu.btnBack->isEnabled());

        // The history asks for the period only; the others for the as-of date and minimums.
        shown.open(TfrmARReports::History);
        QVERIFY(menu.onOptionsPage());
        QCOMPARE(menu.lblReportTitle->text(), str("AR History"));
        QCOMPARE(menu.btnNext->text(), str("&Preview"));
        QCOMPARE(menu.btnBack->text(), str("< &Back"));
        QCOMPARE(menu.btnCancel->text(), str("Cancel"));
        QVERIFY(menu.edtPeriod->isVisible() && menu.edtYear->isVisible());
        QVERIFY(!menu.edtAsOf->isVisible() && !menu.edtMinOwing->isVisible() &&
                !menu.edtMinDays->isVisible());
        QVERIFY(menu.cboCurrency->isVisible() && menu.cboCustomer->isVisible());
        menu.btnBack->click();
        QVERIFY(!menu.onOptionsPage());

        shown.open(TfrmARReports::Labels);
        QCOMPARE(menu.lblReportTitle->text(), str("AR Labels"));
        QCOMPARE(menu.btnNext->text(), str("&Print"));
        QVERIFY(menu.edtAsOf->isVisible() && menu.edtMinOwing->isVisible() &&
                menu.edtMinDays->isVisible() && !menu.edtPeriod->isVisible());
        menu.btnBack->click();

        // A double click opens the report as Next does.
        QListWidgetItem* statements = menu.lstReports->item(TfrmARReports::Statements);
        const QPoint at = menu.lstReports->visualItemRect(statements).center();
        QTest::mouseClick(menu.lstReports->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(menu.lstReports->currentRow(), int(TfrmARReports::Statements));
        QVERIFY(!menu.onOptionsPage());
        QTest::mouseDClick(menu.lstReports->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(menu.lblReportTitle->text(), str("AR Statements"));
        QCOMPARE(menu.btnNext->text(), str("&Preview"));
    }

    void fieldChecks_data()
    {
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        const int history = TfrmARReports::History, aged = TfrmARReports::AgedTrialBalance;
        const QString period = str("Period must be between 1 and 12");
        const QString year = str("Period invalid...\rEnter year as 2 digits");
        const QString owing = str("Min Owing must be between 0 and 100,000.00");
        const QString days = str("Min Days Old must be between 0 and 100");
        QTest::newRow("period 13") << history << str("edtPeriod") << str("13") << period;
        QTest::newRow("period 0") << history << str("edtPeriod") << str("0") << period;
        QTest::newRow("period empty") << history << str("edtPeriod") << QString() << period;
        QTest::newRow("year of 3 digits") << history << str("edtYear") << str("123") << year;
        QTest::newRow("year not a number") << history << str("edtYear") << str("y1") << year;
        QTest::newRow("min owing 100,000.01")
            << aged << str("edtMinOwing") << str("100000.01") << owing;
        QTest::newRow("min owing negative") << aged << str("edtMinOwing") << str("-1") << owing;
        QTest::newRow("min days 101") << aged << str("edtMinDays") << str("101") << days;
        QTest::newRow("min days text") << aged << str("edtMinDays") << str("ten") << days;
    }
    void fieldChecks()
    {
        QFETCH(int, report);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        ShownMenu shown(*db_);
        QVERIFY(QTest::qWaitForWindowActive(&shown.menu));
        shown.open(TfrmARReports::Report(report));
        auto* box = shown.menu.findChild<QLineEdit*>(field);
        QVERIFY(box);
        ShownMenu::type(box, typed);
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_COMPARE(shown.dialogs.texts(), QStringList({refusal}));
        QTRY_VERIFY(box->hasFocus());

        // Starting the report while the field is wrong refuses again and starts nothing.
        shown.menu.btnNext->click();
        QCOMPARE(shown.dialogs.texts(), QStringList({refusal, refusal}));
        QVERIFY(shown.started.isEmpty());
        QVERIFY(shown.menu.onOptionsPage());
    }

    void highestValuesPassAndMinOwingIsShownFormatted()
    {
        ShownMenu shown(*db_);
        QVERIFY(QTest::qWaitForWindowActive(&shown.menu));
        shown.open(TfrmARReports::AgedTrialBalance);
        ShownMenu::type(shown.menu.edtMinOwing, str("100000"));
        QTest::keyClick(shown.menu.edtMinOwing, Qt::Key_Tab);
        QTRY_COMPARE(shown.menu.edtMinOwing->text(), str("100,000.00"));
        ShownMenu::type(shown.menu.edtMinOwing, str("1234.5"));
        ShownMenu::type(shown.menu.edtMinDays, str("100"));
        QTRY_COMPARE(shown.menu.edtMinOwing->text(), str("1,234.50"));
        shown.menu.btnNext->click();
        QVERIFY(shown.dialogs.texts().isEmpty());
        QCOMPARE(shown.started, QList<int>({0}));
        QCOMPARE(shown.last.selection.minOwing, Money::fromCents(123450));
        QCOMPARE(shown.last.selection.minDays, 100);
    }

    void reportsStartWithWhatWasTyped()
    {
        ShownMenu shown(*db_);
        TfrmARReports& menu = shown.menu;
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        shown.open(TfrmARReports::AgedTrialBalance);
        ShownMenu::type(menu.edtAsOf, str("033123"));
        menu.cboCurrency->setCurrentIndex(menu.cboCurrency->findData(2));
        menu.cboCustomer->setCurrentIndex(menu.cboCustomer->findData(8));
        ShownMenu::type(menu.edtMinOwing, str("250"));
        ShownMenu::type(menu.edtMinDays, str("45")); // still focused when the report starts
        menu.btnNext->click();
        QCOMPARE(shown.started, QList<int>({0}));
        QCOMPARE(shown.last.selection.asOf, QDate(2023, 3, 31));
        QCOMPARE(shown.last.selection.currencyId, std::optional<int>(2));
        QCOMPARE(shown.last.selection.customerId, std::optional<int>(8));
        QCOMPARE(shown.last.selection.minOwing, Money::fromCents(25000));
        QCOMPARE(shown.last.selection.minDays, 45);
        QVERIFY(!menu.onOptionsPage()); // back to the list after a run

        // The as-of date still being typed counts as well; Delete clears the customer.
        shown.open(TfrmARReports::Labels);
        menu.cboCustomer->setFocus();
        QTest::keyClick(menu.cboCustomer, Qt::Key_Delete);
        QCOMPARE(menu.cboCustomer->currentIndex(), 0);
        ShownMenu::type(menu.edtAsOf, str("120126"));
        menu.btnNext->click();
        QCOMPARE(shown.started, QList<int>({0, 3}));
        QCOMPARE(shown.last.selection.asOf, QDate(2026, 12, 1));
        QVERIFY(!shown.last.selection.customerId);

        // The history with the year still focused: 01 is 2001.
        shown.open(TfrmARReports::History);
        ShownMenu::type(menu.edtPeriod, str("8"));
        ShownMenu::type(menu.edtYear, str("01"));
        menu.btnNext->click();
        QVERIFY(shown.dialogs.texts().isEmpty());
        QCOMPARE(shown.started, QList<int>({0, 3, 1}));
        QCOMPARE(shown.last.period, 8);
        QCOMPARE(shown.last.year, 2001);
    }

    void eachShowingStartsFromTheDefaults()
    {
        ShownMenu shown(*db_);
        TfrmARReports& menu = shown.menu;
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        const QDate today = QDate::currentDate();
        QCOMPARE(menu.choices().period, today.month());
        QCOMPARE(menu.choices().year, today.year());

        shown.open(TfrmARReports::History);
        ShownMenu::type(menu.edtPeriod, str("3"));
        ShownMenu::type(menu.edtYear, str("99"));
        menu.cboCurrency->setCurrentIndex(1);
        menu.btnNext->click();
        shown.open(TfrmARReports::AgedTrialBalance);
        ShownMenu::type(menu.edtAsOf, str("011524"));
        ShownMenu::type(menu.edtMinOwing, str("10"));
        ShownMenu::type(menu.edtMinDays, str("5"));
        menu.btnNext->click();
        QCOMPARE(shown.started, QList<int>({1, 0}));

        menu.hide();
        menu.show();
        QVERIFY(!menu.onOptionsPage());
        const ReportMenuChoices c = menu.choices();
        QCOMPARE(c.selection.asOf, today);
        QVERIFY(!c.selection.currencyId);
        QCOMPARE(c.selection.minOwing, Money());
        QCOMPARE(c.selection.minDays, 0);
        QCOMPARE(c.period, 3);
        QCOMPARE(c.year, 1999);
        shown.open(TfrmARReports::History);
        QCOMPARE(menu.edtPeriod->text(), str("3"));
        QCOMPARE(menu.edtYear->text(), str("99"));
        QCOMPARE(menu.cboCurrency->currentIndex(), 0);
    }

    void refusedWithoutPrinterOrStarter()
    {
        ShownMenu shown(*db_);
        TfrmARReports& menu = shown.menu;
        shown.open(TfrmARReports::AgedTrialBalance);
        setPrinterNameSource({});
        menu.btnNext->click();
        setPrinterNameSource([] { return str("Office laser"); });
        QCOMPARE(shown.dialogs.texts(), QStringList({kNoPrinterDefined}));
        QVERIFY(shown.started.isEmpty());
        QVERIFY(menu.onOptionsPage());

        // The statements have no starter here: said, not silently ignored.
        menu.btnBack->click();
        shown.open(TfrmARReports::Statements);
        menu.btnNext->click();
        QCOMPARE(shown.dialogs.texts().value(1),
                 str("AR Statements cannot be started from this menu."));
        QVERIFY(shown.started.isEmpty());
    }

    void choicesComeFromEitherEngine_data() { testdb::addEngineRows(); }
    void choicesComeFromEitherEngine()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plant(*db);
        ShownMenu shown(*db);
        TfrmARReports& menu = shown.menu;
        shown.open(TfrmARReports::History);
        // "(all)" first, then by name without regard to case.
        QCOMPARE(menu.cboCurrency->count(), 3);
        QCOMPARE(menu.cboCurrency->itemText(1), str("Canadian Dollar"));
        QCOMPARE(menu.cboCustomer->itemText(2), str("Baker, Bob  (102)"));
        menu.cboCurrency->setCurrentIndex(1);
        menu.cboCustomer->setCurrentIndex(1);
        menu.btnNext->click();
        QCOMPARE(shown.last.selection.currencyId, std::optional<int>(2));
        QCOMPARE(shown.last.selection.customerId, std::optional<int>(7));
    }
};

QTEST_MAIN(TestArReportsMenu)
#include "test_arreportsmenu.moc"

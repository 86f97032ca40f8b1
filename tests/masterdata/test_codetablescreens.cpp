// A code table from the keyboard, on both engines: a new tax typed in (refused with a rate of
// 0, then saved), edited and saved through the close question, a new record left untouched,
// and a delete confirmed; and every table's list and record screen opens on a real database.
#include "common/formats.h"
#include "common/money.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/codetables/itemlist.h"
#include "masterdata/ui/frmcodelist.h"
#include "masterdata/ui/frmcoderecord.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUrl>

namespace
{

// Types the text into the control that has the focus and moves on with Enter.
void typeAndEnter(TfrmCodeRecord& record, const QString& text)
{
    QWidget* at = QApplication::focusWidget();
    QVERIFY(at && record.isAncestorOf(at));
    if (!text.isEmpty()) {
        QTest::keyClick(at, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(at, text);
    }
    QTest::keyClick(at, Qt::Key_Return);
}

QStringList gridRow(const TfrmCodeList& list, int row)
{
    QStringList cells;
    for (int c = 0; c < list.grid->model()->columnCount(); ++c)
        cells << list.grid->model()->index(row, c).data().toString();
    return cells;
}

} // namespace

class TestCodeTableScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void taxesFromTheKeyboard_data() { testdb::addEngineRows(); }
    void taxesFromTheKeyboard()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        TfrmCodeList list(*db, codetables::taxes());
        ScriptedDialogs dialogs;
        list.dialogs = &dialogs;
        QStringList titles;
        std::function<void(TfrmCodeRecord&)> drive;
        list.runRecordScreen = [&](TfrmCodeRecord& record) {
            record.dialogs = &dialogs;
            record.show();
            QApplication::setActiveWindow(&record);
            titles << record.windowTitle();
            drive(record);
        };
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QApplication::setActiveWindow(&list);
        list.grid->setFocus();
        QCOMPARE(list.windowTitle(), QStringLiteral("Taxes"));

        // Ins: a new tax; a rate of 0 is refused and the cursor goes to the rate
        drive = [&](TfrmCodeRecord& record) {
            record.editor(QStringLiteral("TaxName"))->setFocus();
            for (const char* text : {"GST", "0", "g", "Goods", ""})
                typeAndEnter(record, QString::fromLatin1(text));
            QCOMPARE(QApplication::focusWidget(), record.btnOK);
            QTest::keyClick(record.btnOK, Qt::Key_Return);
            QCOMPARE(dialogs.texts().last(), QStringLiteral("Field 'Rate' must have a value"));
            QVERIFY(record.isVisible());
            QCOMPARE(QApplication::focusWidget(), record.editor(QStringLiteral("Rate")));
            for (const char* text : {"5", "", "", ""})
                typeAndEnter(record, QString::fromLatin1(text));
            QCOMPARE(record.windowTitle(), QStringLiteral("GST"));
            QTest::keyClick(record.btnOK, Qt::Key_Return);
            QVERIFY(!record.isVisible());
        };
        QTest::keyClick(list.grid, Qt::Key_Insert);
        QCOMPARE(titles.last(), QStringLiteral("New Tax"));
        QCOMPARE(list.grid->model()->rowCount(), 1);
        QCOMPARE(gridRow(list, 0), (QStringList{QStringLiteral("GST"), QStringLiteral("5"),
                                                QStringLiteral("G"), QStringLiteral("Goods")}));
        QCOMPARE(list.currentKey(), std::optional<qint64>(1));

        // Enter: the tax, changed, and closed with Escape; the question saves it
        dialogs.answer(Dialogs::Yes);
        drive = [&](TfrmCodeRecord& record) {
            record.editor(QStringLiteral("TaxDescription"))->setFocus();
            typeAndEnter(record, QStringLiteral("Goods and Services"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!record.isVisible());
        };
        QTest::keyClick(list.grid, Qt::Key_Return);
        QCOMPARE(titles.last(), QStringLiteral("GST"));
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Do you want to save changes?"));
        QCOMPARE(gridRow(list, 0).last(), QStringLiteral("Goods and Services"));

        // Ins and straight out again: no question, no row
        drive = [&](TfrmCodeRecord& record) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!record.isVisible());
        };
        const qsizetype shown = dialogs.texts().size();
        QTest::keyClick(list.grid, Qt::Key_Insert);
        QCOMPARE(dialogs.texts().size(), shown);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Tax")), 1);

        // Ctrl+Del: asked by name, and gone after Yes
        dialogs.answer(Dialogs::Yes);
        QTest::keyClick(list.grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Delete 'GST'?"));
        QCOMPARE(list.grid->model()->rowCount(), 0);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Tax")), 0);
        QCOMPARE(dialogs.unusedAnswers(), 0);
    }

    // The salesman's phone buttons hand the number to the dialer, and stay disabled without
    // one; the e-mail button writes to the address.
    void salesmanButtons()
    {
        auto db = testdb::freshWithArTables(QStringLiteral("sqlite"));
        TfrmCodeRecord record(*db, codetables::salesmen(), std::nullopt);
        auto* dialHome = record.findChild<QPushButton*>(QStringLiteral("btnDialHomePhone"));
        QVERIFY(dialHome && !dialHome->isEnabled());
        QStringList dialled;
        record.dial = [&](const QString& number) { dialled << number; };
        record.updateFieldButtons();
        QVERIFY(dialHome->isEnabled());
        qobject_cast<QLineEdit*>(record.editor(QStringLiteral("HomePhone")))
            ->setText(QStringLiteral("555-0134"));
        dialHome->click();
        QCOMPARE(dialled, QStringList{QStringLiteral("555-0134")});

        QList<QUrl> opened;
        record.openUrl = [&](const QUrl& url) {
            opened << url;
            return true;
        };
        auto* mail = record.findChild<QPushButton*>(QStringLiteral("btnMailEMail"));
        mail->click(); // no address: nothing to write to
        qobject_cast<QLineEdit*>(record.editor(QStringLiteral("EMail")))
            ->setText(QStringLiteral("dana@hearthtable.org"));
        mail->click();
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("mailto:dana@hearthtable.org"))});
    }

    // The item list: Synchronize runs the console's synchronization and shows what it added;
    // a filter narrows the list and says so in the caption.
    void itemListSynchronizesAndFilters_data() { testdb::addEngineRows(); }
    void itemListSynchronizesAndFilters()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        TfrmCodeList items(*db, codetables::items());
        QCOMPARE(items.grid->model()->rowCount(), 0);
        int runs = 0;
        items.synchronize = [&] {
            ++runs;
            records::insert(
                *db, ar::item(),
                {{QStringLiteral("ItemID"), 13},
                 {QStringLiteral("ItemNo"), QStringLiteral("57")},
                 {QStringLiteral("ItemDescription"), QStringLiteral("Chicken Soup")},
                 {QStringLiteral("ItemTypeID"), 2},
                 {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromCents(650))},
                 {QStringLiteral("Suspended"), false}});
        };
        items.mnuSynchronize->trigger();
        QCOMPARE(runs, 1);
        QCOMPARE(items.grid->model()->rowCount(), 1);
        QCOMPARE(items.grid->model()->index(0, 2).data().toString(),
                 formatCurrency(Money::fromCents(650)));

        items.setFilter(codetables::itemFilter(1, codetables::SuspendedChoice::All));
        QCOMPARE(items.windowTitle(), QStringLiteral("Items (Filtered)"));
        QVERIFY(items.mnuFilter->isChecked());
        QCOMPARE(items.grid->model()->rowCount(), 0);
        items.setFilter(QString());
        QCOMPARE(items.windowTitle(), QStringLiteral("Items"));
        QCOMPARE(items.grid->model()->rowCount(), 1);
    }

    // Every member's list and record screen runs its statements on both engines.
    void everyTableOpens_data() { testdb::addEngineRows(); }
    void everyTableOpens()
    {
        QFETCH(QString, engine);
        auto db = testdb::freshWithArTables(engine);
        records::insert(*db, ar::currency(),
                        {{QStringLiteral("CurrencyID"), 1},
                         {QStringLiteral("CurrencyName"), QStringLiteral("Dollars")}});
        records::insert(*db, ar::bank(),
                        {{QStringLiteral("BankID"), 1},
                         {QStringLiteral("BankName"), QStringLiteral("Northern Trust")},
                         {QStringLiteral("CurrencyID"), 1}});
        for (const codetables::CodeTable& table : codetables::all()) {
            TfrmCodeList list(*db, table);
            QCOMPARE(list.windowTitle(), table.listCaption);
            QCOMPARE(list.grid->model()->columnCount(), table.columns.size());
            TfrmCodeRecord record(*db, table, std::nullopt);
            QCOMPARE(record.windowTitle(), table.newCaption);
        }
        TfrmCodeList banks(*db, codetables::banks());
        QCOMPARE(gridRow(banks, 0),
                 (QStringList{QStringLiteral("Northern Trust"), QStringLiteral("Dollars")}));
        TfrmCodeRecord bank(*db, codetables::banks(), 1);
        QCOMPARE(bank.windowTitle(), QStringLiteral("Northern Trust"));
        // the item list offers no New or Delete; each new item screen draws the next number
        // (the loop above drew 1001)
        TfrmCodeList items(*db, codetables::items());
        QVERIFY(!items.btnNew->isEnabled() && !items.btnDelete->isEnabled());
        QVERIFY(!items.mnuNew->isVisible() && !items.popDelete->isVisible());
        TfrmCodeRecord item(*db, codetables::items(), std::nullopt);
        QCOMPARE(qobject_cast<QLineEdit*>(item.editor(QStringLiteral("ItemNo")))->text(),
                 QStringLiteral("1002"));
        QCOMPARE(item.windowTitle(), QStringLiteral("New Item"));
    }
};

QTEST_MAIN(TestCodeTableScreens)
#include "test_codetablescreens.moc"

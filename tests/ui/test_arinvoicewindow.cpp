// The invoice window driven from the keyboard the way a bookkeeper enters an invoice, and a
// posted invoice that refuses every change.
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"
#include "common/ui/messageboxdialogs.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "data/lookups.h"
#include "data/schemacreation.h"
#include "documentwindowtesting.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "modalwatcher.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/ui/frmarinvoice.h"
#include "receivables/invoices/ui/invoicegrid.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace
{

void prepare(Database& db)
{
    host::createTables(db);
    records::insert(db, host::config(),
                    {{QStringLiteral("Organizatn"), QStringLiteral("Valley Meals")},
                     {QStringLiteral("Postal_Format"), QStringLiteral("USA")}});
    ScriptedDialogs quiet;
    createOrUpgradeSchema(db, quiet);
    records::insert(db, ar::tax(),
                    {{QStringLiteral("TaxID"), 1},
                     {QStringLiteral("TaxName"), QStringLiteral("GST")},
                     {QStringLiteral("Rate"), 5.0},
                     {QStringLiteral("TaxCode"), QStringLiteral("G")},
                     {QStringLiteral("TaxDescription"), QStringLiteral("GST")}});
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), 1},
                     {QStringLiteral("CustomerNo"), QStringLiteral("1001")},
                     {QStringLiteral("CustomerName"), QStringLiteral("Ames, Ruth")},
                     {QStringLiteral("CustomerType"), QStringLiteral("C")},
                     {QStringLiteral("AddressLine1"), QStringLiteral("4 Elm St")},
                     {QStringLiteral("Tax1ID"), 1},
                     {QStringLiteral("NetDays"), 30},
                     {QStringLiteral("Suspended"), false}});
    records::insert(db, ar::item(),
                    {{QStringLiteral("ItemID"), 13},
                     {QStringLiteral("ItemNo"), QStringLiteral("57")},
                     {QStringLiteral("ItemDescription"), QStringLiteral("Chicken Soup")},
                     {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromRaw(45000))},
                     {QStringLiteral("TaxCodes"), QStringLiteral("G")},
                     {QStringLiteral("ItemTypeID"), 2},
                     {QStringLiteral("Suspended"), false}});
    records::insert(db, ar::item(),
                    {{QStringLiteral("ItemID"), 14},
                     {QStringLiteral("ItemNo"), QStringLiteral("58")},
                     {QStringLiteral("ItemDescription"), QStringLiteral("Bread")},
                     {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromRaw(20000))},
                     {QStringLiteral("TaxCodes"), QStringLiteral("G")},
                     {QStringLiteral("ItemTypeID"), 2},
                     {QStringLiteral("Suspended"), false}});
}

// A stored invoice for customer 1001 with one line of 2 × item 57 (4.50).
qint64 storedInvoice(Database& db)
{
    auto document = InvoiceDocument::openNew(db);
    document->setCustomerNoText(QStringLiteral("1001"));
    document->appendLine();
    document->setLineQuantity(2);
    document->setLineItem(13);
    document->storeLine();
    document->ok();
    return document->invoiceId();
}

// The window over a new invoice (no key) or a stored one, shown and active.
QPointer<TfrmARInvoice> openWindow(Database& db, TdmLookUps& lookups,
                                   std::optional<qint64> invoiceId = std::nullopt)
{
    QPointer<TfrmARInvoice> window = new TfrmARInvoice(db, lookups);
    if (invoiceId) {
        if (!window->openExisting(*invoiceId))
            qFatal("invoice %lld is not stored", *invoiceId);
    } else {
        window->openNew();
    }
    window->show();
    activateShown(window);
    return window;
}

// Counts the item searches that open and answers them: with an item number typed and OK, or
// with Cancel when `typed` is empty. Message boxes are answered by the watcher itself.
struct ItemSearches {
    explicit ItemSearches(ModalWatcher& watcher)
    {
        watcher.onDialog = [this](QDialog* dialog) {
            if (dialog->objectName() != QLatin1String("frmItemSearch")) {
                dialog->reject();
                return;
            }
            ++opened;
            if (typed.isEmpty()) {
                dialog->reject();
                return;
            }
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("editItemNo")), typed);
            dialog->accept();
        };
    }
    int opened = 0;
    QString typed;
};

const QString kPostedMessage = shown(QStringLiteral(
    "Posted invoices cannot be changed...\r\rTo undo an invoice after posting, you must "
    "\"reverse\" it (enter it again with the opposite amount). You can then remove the invoice "
    "and credit if desired by entering a \"dummy\" payment for zero amount."));

} // namespace

class TestArInvoiceWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void keyboardPathOfANewInvoice_data() { testdb::addEngineRows(); }
    void keyboardPathOfANewInvoice()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = new TfrmARInvoice(*db, lookups);
        window->openNew();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        window->editCustomerNo->setFocus();
        QCOMPARE(window->windowTitle(), QStringLiteral("New Invoice"));

        QTest::keyClicks(window->editCustomerNo, QStringLiteral("1001"));
        QTest::keyClick(window->editCustomerNo, Qt::Key_Return);
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->dateInvoice));
        QCOMPARE(window->windowTitle(), QStringLiteral("Invoice 10001"));
        QCOMPARE(window->lblTerms->text(), QStringLiteral("Terms: Net 30"));

        QTest::keyClick(window->dateInvoice, Qt::Key_PageDown);
        QCOMPARE(window->document()->lineCount(), 1);
        QVERIFY(window->grid->hasFocus());

        ModalWatcher watcher;
        int searches = 0;
        watcher.onDialog = [&](QDialog* dialog) {
            if (dialog->objectName() == QLatin1String("frmItemSearch")) {
                ++searches;
                QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("editItemNo")),
                                 QStringLiteral("57"));
                dialog->accept();
            } else {
                dialog->reject();
            }
        };
        typeInGrid(window, QStringLiteral("3"));
        QTest::keyClick(window->focusWidget(),
                        Qt::Key_Return); // quantity taken; the Item column opens the search
        QCOMPARE(searches, 1);
        QCOMPARE(window->document()->line(0).itemId, std::optional<qint64>(13));
        QCOMPARE(window->grid->currentIndex().column(), 2);
        QTest::keyClick(window->grid, Qt::Key_Return); // past the override description
        QCOMPARE(window->grid->currentIndex().column(), 4);
        typeInGrid(window, QStringLiteral("6.5"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return); // the price, then on to a new line
        QCOMPARE(window->document()->lineCount(), 2);
        QCOMPARE(window->grid->currentIndex().row(), 1);
        QCOMPARE(window->lblInvoiceAmount->text(), QStringLiteral("20.48")); // 19.50 and 5 % GST
        QVERIFY(window->lblTaxLine->text().startsWith(QStringLiteral("GST: 0.98")));
        QVERIFY(watcher.messages.isEmpty());

        QTest::mouseClick(window->btnOK, Qt::LeftButton);
        QVERIFY(watcher.messages.isEmpty());
        QTRY_VERIFY(window.isNull()); // closed and freed
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 1);
        QCOMPARE(
            testdb::scalar(
                *db, QStringLiteral("SELECT InvoiceAmount FROM ARInv WHERE InvoiceNo = '10001'")),
            204800);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")),
                 1); // the empty new line was dropped
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT UnitPrice FROM ARInvDet")), 65000);
    }

    void postedInvoiceRefusesChanges_data() { testdb::addEngineRows(); }
    void postedInvoiceRefusesChanges()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        qint64 invoiceId = 0;
        {
            auto document = InvoiceDocument::openNew(*db);
            document->setCustomerNoText(QStringLiteral("1001"));
            document->appendLine();
            document->setLineQuantity(2);
            document->setLineItem(13);
            document->storeLine();
            document->ok();
            invoiceId = document->invoiceId();
        }
        db->exec(QStringLiteral("UPDATE ARInv SET Posted = true, Printed = true"));
        const qint64 before =
            testdb::scalar(*db, QStringLiteral("SELECT InvoiceAmount FROM ARInv"));

        QPointer<TfrmARInvoice> window = new TfrmARInvoice(*db, lookups);
        QVERIFY(window->openExisting(invoiceId));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->lblPosted->isVisible());
        QVERIFY(window->editCustomerNo->isReadOnly());
        QVERIFY(!window->cboCustomer->isEnabled());
        QVERIFY(window->editDescription->isReadOnly());
        QVERIFY(!window->chkPrinted->isEnabled());
        QVERIFY(!(window->grid->model()->flags(window->grid->model()->index(0, 0)) &
                  Qt::ItemIsEditable));

        ModalWatcher watcher;
        window->activateWindow();
        window->grid->setFocus();
        window->grid->setCurrentIndex(window->grid->model()->index(0, 0));
        const InvoiceHeader header = window->document()->header();
        // Every key that would change it is answered with the posted-invoice message.
        QTest::keyClick(window->grid, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(window->grid, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(window->grid, Qt::Key_PageDown);
        QTest::keyClick(window->grid, '5');
        QTest::keyClick(window->editDescription, 'c');
        QTest::keyClick(window->editCustomerNo, Qt::Key_Backspace);
        QTest::keyClick(window->dateInvoice, '+');
        QTest::keyClick(window->spinPeriod, Qt::Key_Up);
        QTest::keyClick(window->editYear, 'V', Qt::ControlModifier); // paste
        QCOMPARE(watcher.messages, QStringList(9, kPostedMessage));
        // Moving about changes nothing: Page Down still goes into the lines, without a word.
        activateAgain(window);
        window->editDescription->setFocus();
        QTest::keyClick(window->editDescription, Qt::Key_PageDown);
        QVERIFY(window->grid->hasFocus());
        QTest::keyClick(window->grid, Qt::Key_Right);
        QCOMPARE(watcher.messages.size(), 9);
        QCOMPARE(window->document()->lineCount(), 1);
        QCOMPARE(window->document()->header(), header);
        QCOMPARE(window->editDescription->text(), QString());
        window->close(); // nothing changed: no question
        QTRY_VERIFY(window.isNull());
        QCOMPARE(watcher.messages.size(), 9);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT InvoiceAmount FROM ARInv")), before);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 1);
    }

    void closingWithChangesAsks_data() { testdb::addEngineRows(); }
    void closingWithChangesAsks()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = new TfrmARInvoice(*db, lookups);
        window->openNew();
        window->show();
        ModalWatcher watcher;
        window->close(); // an untouched new invoice goes without asking
        QTRY_VERIFY(window.isNull());
        QVERIFY(watcher.messages.isEmpty());

        window = new TfrmARInvoice(*db, lookups);
        window->openNew();
        window->show();
        window->editDescription->setText(QStringLiteral("November meals"));
        Q_EMIT window->editDescription->editingFinished();
        watcher.answers = {QMessageBox::Cancel};
        window->close();
        QVERIFY(!window.isNull()); // Cancel keeps it open
        QCOMPARE(watcher.messages, QStringList{QStringLiteral("Do you want to save changes?")});
        watcher.answers = {QMessageBox::Yes, QMessageBox::Ok};
        window->close(); // Yes runs OK, which finds no customer
        QVERIFY(!window.isNull());
        QCOMPARE(watcher.messages.last(), QStringLiteral("Field 'Customer' must have a value"));
        watcher.answers = {QMessageBox::No};
        window->close();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);
    }

    void escUndoesTheLine_data() { testdb::addEngineRows(); }
    void escUndoesTheLine()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        const qint64 invoiceId = storedInvoice(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups, invoiceId);
        ModalWatcher watcher;
        ItemSearches searches(watcher);
        InvoiceDocument* document = window->document();
        const QString amount = window->lblInvoiceAmount->text();

        // A new line with only a quantity typed: Esc in the cell drops it.
        QTest::keyClick(window->editDescription, Qt::Key_PageDown);
        QTest::keyClick(window->grid, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(document->lineCount(), 2);
        typeInGrid(window, QStringLiteral("7"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QCOMPARE(document->lineCount(), 1);
        QCOMPARE(document->editingRow(), -1);
        QCOMPARE(window->grid->model()->rowCount(), 1);
        QCOMPARE(window->grid->currentIndex().row(), 0);

        // A new line refused when the cursor leaves it, as the message says: Esc undoes it.
        QTest::keyClick(window->grid, Qt::Key_Insert, Qt::ControlModifier);
        typeInGrid(window, QStringLiteral("3"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return); // the search opens, cancelled
        QCOMPARE(searches.opened, 1);
        QTest::keyClick(window->grid, Qt::Key_Up);
        QCOMPARE(watcher.messages,
                 QStringList{shown(QStringLiteral(
                     "Field 'Item no.' must have a value...\rMake changes or press Esc to undo"))});
        // The cursor goes back to the refused line.
        QTRY_COMPARE(window->grid->currentIndex(), window->grid->model()->index(1, 0));
        activateAgain(window);
        QTest::keyClick(window->grid, Qt::Key_Escape);
        QCOMPARE(document->lineCount(), 1);
        QCOMPARE(document->editingRow(), -1);

        // An item number that is not there, in the cell's editor: Esc there undoes the line.
        QTest::keyClick(window->grid, Qt::Key_Insert, Qt::ControlModifier);
        typeInGrid(window, QStringLiteral("2"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(searches.opened, 2);
        typeInGrid(window, QStringLiteral("999"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(
            watcher.messages.last(),
            shown(QStringLiteral("Item not found...\r\nPress Esc or enter a different item no")));
        QVERIFY(window->grid->isEditingCell()); // back in the cell
        activateAgain(window);
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QCOMPARE(document->lineCount(), 1);
        QCOMPARE(document->editingRow(), -1);
        QVERIFY(!window->grid->isEditingCell());

        // A stored line being changed goes back to what it was, amounts included.
        window->grid->setCurrentIndex(window->grid->model()->index(0, 0));
        typeInGrid(window, QStringLiteral("5"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(searches.opened, 3);
        activateAgain(window);
        QVERIFY(!window->grid->isEditingCell());
        QCOMPARE(document->line(0).quantity, std::optional<double>(5));
        QTest::keyClick(window->grid, Qt::Key_Escape);
        QCOMPARE(document->line(0).quantity, std::optional<double>(2));
        QCOMPARE(window->grid->model()->index(0, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(window->lblInvoiceAmount->text(), amount);
        QCOMPARE(watcher.messages.size(), 2);

        QTest::mouseClick(window->btnOK, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT Quantity FROM ARInvDet")),
                 QList<qint64>{2});
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT InvoiceAmount FROM ARInv")), 94500);
    }

    void enteringTheItemColumnOpensTheSearch_data() { testdb::addEngineRows(); }
    void enteringTheItemColumnOpensTheSearch()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups, storedInvoice(*db));
        ModalWatcher watcher;
        ItemSearches searches(watcher);
        InvoiceGrid* grid = window->grid;
        auto cell = [&](int column) { return grid->model()->index(0, column); };
        grid->setFocus();

        // The window placing the cursor there opens nothing.
        grid->setCurrentIndex(cell(1));
        grid->setCurrentIndex(cell(0));
        QTest::qWait(20);
        QCOMPARE(searches.opened, 0);

        // Tab from the quantity.
        QTest::keyClick(grid, Qt::Key_Tab);
        QTRY_COMPARE(searches.opened, 1);
        QCOMPARE(grid->currentIndex(), cell(1));

        // Tab out of the quantity's editor: the quantity is taken, then the item chosen.
        grid->setCurrentIndex(cell(0));
        typeInGrid(window, QStringLiteral("4"));
        searches.typed = QStringLiteral("58");
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(searches.opened, 2);
        QTRY_COMPARE(window->document()->line(0).itemId, std::optional<qint64>(14));
        QCOMPARE(window->document()->line(0).quantity, std::optional<double>(4));
        QCOMPARE(grid->currentIndex(), cell(2));
        QVERIFY(!grid->isEditingCell()); // no stale item number left
        searches.typed.clear();

        // The arrow keys.
        QTest::keyClick(grid, Qt::Key_Left);
        QTRY_COMPARE(searches.opened, 3);
        QCOMPARE(window->document()->line(0).itemId, std::optional<qint64>(14)); // cancelled

        // A click into the column.
        grid->setCurrentIndex(cell(3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(1)).center());
        QTRY_COMPARE(searches.opened, 4);
        QCOMPARE(grid->currentIndex(), cell(1));

        // The ellipsis button of the current line's Item cell, and the one in its editor.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->ellipsisRect(0).center());
        QTRY_COMPARE(searches.opened, 5);
        QVERIFY(!grid->isEditingCell());
        QTest::keyClick(grid, Qt::Key_F2);
        auto* button = grid->findChild<QToolButton*>(QStringLiteral("btnItemSearch"));
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("..."));
        searches.typed = QStringLiteral("57");
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(searches.opened, 6);
        QTRY_COMPARE(window->document()->line(0).itemId, std::optional<qint64>(13));
        QVERIFY(!grid->isEditingCell());
        QCOMPARE(watcher.messages, QStringList());

        QTest::mouseClick(window->btnOK, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT ItemID FROM ARInvDet")),
                 QList<qint64>{13});
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT Quantity FROM ARInvDet")),
                 QList<qint64>{4});
    }

    void headerKeys_data() { testdb::addEngineRows(); }
    void headerKeys()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups);
        ModalWatcher watcher;
        QTest::keyClicks(window->editCustomerNo, QStringLiteral("1001"));
        QTest::keyClick(window->editCustomerNo, Qt::Key_Return);
        const QList<QWidget*> fields{
            window->editCustomerNo, window->cboCustomer,     window->editInvoiceNo,
            window->cboLocation,    window->dateInvoice,     window->spinPeriod,
            window->editYear,       window->editDescription, window->chkPrinted};

        // Page Down from every field goes to the first line, appending one when there is none.
        for (QWidget* field : fields) {
            field->setFocus();
            QCOMPARE(QApplication::focusWidget(), field);
            QTest::keyClick(field, Qt::Key_PageDown);
            QVERIFY2(window->grid->hasFocus(), qPrintable(field->objectName()));
            QCOMPARE(window->document()->lineCount(), 1);
            QCOMPARE(window->grid->currentIndex(), window->grid->model()->index(0, 0));
        }

        // Enter moves on as Tab does, from the drop-down and the check box too, and changes
        // neither.
        const InvoiceHeader header = window->document()->header();
        for (QWidget* field :
             QList<QWidget*>{window->cboCustomer, window->chkPrinted, window->editInvoiceNo,
                             window->cboLocation, window->spinPeriod}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY(next != field);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY2(QApplication::focusWidget() == next, qPrintable(field->objectName()));
        }
        QCOMPARE(window->document()->header(), header);
        QVERIFY(!window->chkPrinted->isChecked());
        QCOMPARE(watcher.messages, QStringList());
    }

    void refusedCustomerNumberKeepsTheCursor_data() { testdb::addEngineRows(); }
    void refusedCustomerNumberKeepsTheCursor()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups);
        ModalWatcher watcher;
        const QString notFound = QStringLiteral("Customer no. 9999 not found.");
        const QDate date = window->document()->header().invoiceDate;

        // By Enter, by Tab and by a click into the date: only the customer's refusal, and the
        // cursor back in the customer number.
        window->editCustomerNo->setFocus();
        QTest::keyClicks(window->editCustomerNo, QStringLiteral("9999"));
        QTest::keyClick(window->editCustomerNo, Qt::Key_Return);
        QCOMPARE(watcher.messages, QStringList{notFound});
        activateAgain(window);
        QTRY_COMPARE(window->focusWidget(), static_cast<QWidget*>(window->editCustomerNo));

        window->editCustomerNo->setText(QStringLiteral("9999"));
        QTest::keyClick(window->editCustomerNo, Qt::Key_Tab);
        QTRY_COMPARE(watcher.messages, QStringList(2, notFound));
        activateAgain(window);
        QTRY_COMPARE(window->focusWidget(), static_cast<QWidget*>(window->editCustomerNo));

        window->editCustomerNo->setText(QStringLiteral("9999"));
        QTest::mouseClick(window->dateInvoice, Qt::LeftButton);
        QTRY_COMPARE(watcher.messages, QStringList(3, notFound));
        activateAgain(window);
        QTRY_COMPARE(window->focusWidget(), static_cast<QWidget*>(window->editCustomerNo));
        QTest::qWait(20);
        QCOMPARE(watcher.messages.size(), 3);
        QCOMPARE(window->document()->header().invoiceDate, date);
        QVERIFY(!window->document()->header().customerId);
        QCOMPARE(window->windowTitle(), QStringLiteral("New Invoice"));

        // A number that is there goes on to the date.
        window->editCustomerNo->setText(QStringLiteral("1001"));
        QTest::keyClick(window->editCustomerNo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->dateInvoice));
        QCOMPARE(watcher.messages.size(), 3);
        QCOMPARE(window->document()->header().customerId, std::optional<qint64>(1));
    }

    void okOnAnInvoiceDeletedElsewhere_data() { testdb::addEngineRows(); }
    void okOnAnInvoiceDeletedElsewhere()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        const qint64 invoiceId = storedInvoice(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups, invoiceId);
        ModalWatcher watcher;
        QSignalSpy stored(window.data(), &TfrmARInvoice::invoiceStored);
        window->editDescription->setFocus();
        QTest::keyClicks(window->editDescription, QStringLiteral("November meals"));
        QTest::keyClick(window->editDescription, Qt::Key_Return);

        auto other = testdb::reopen(*db);
        other->exec(QStringLiteral("DELETE FROM ARInvDet WHERE ARInvoiceID = %1").arg(invoiceId));
        other->exec(QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID = %1").arg(invoiceId));
        QTest::mouseClick(window->btnOK, Qt::LeftButton);
        QCOMPARE(watcher.messages,
                 QStringList{QStringLiteral(
                     "This invoice was deleted by another user; it was not saved.")});
        QVERIFY(!window.isNull()); // open, for Cancel
        QCOMPARE(stored.count(), 0);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 0);

        QTest::mouseClick(window->btnCancel, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 0);
        QCOMPARE(watcher.messages.size(), 1);
    }

    void clientFunderButtonWaitsForTheCustomerList_data() { testdb::addEngineRows(); }
    void clientFunderButtonWaitsForTheCustomerList()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        prepare(*db);
        TdmLookUps lookups(*db);
        QPointer<TfrmARInvoice> window = openWindow(*db, lookups, storedInvoice(*db));
        QVERIFY(!window->btnCustomer->isEnabled());
        QVERIFY(!window->btnCustomer->toolTip().isEmpty());

        QList<qint64> opened;
        window->setOpenCustomerList([&](qint64 customerId) { opened << customerId; });
        QVERIFY(window->btnCustomer->isEnabled());
        QTest::mouseClick(window->btnCustomer, Qt::LeftButton);
        QCOMPARE(opened, QList<qint64>{1});

        // No customer yet: the list opens at its start.
        QPointer<TfrmARInvoice> fresh = openWindow(*db, lookups);
        fresh->setOpenCustomerList([&](qint64 customerId) { opened << customerId; });
        QTest::mouseClick(fresh->btnCustomer, Qt::LeftButton);
        QCOMPARE(opened, (QList<qint64>{1, 0}));

        window->setOpenCustomerList({});
        QVERIFY(!window->btnCustomer->isEnabled());
        QTest::mouseClick(window->btnCustomer, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        delete fresh;
        delete window;
    }
};

QTEST_MAIN(TestArInvoiceWindow)
#include "test_arinvoicewindow.moc"

// The customer list and record windows as a bookkeeper uses them from the keyboard, on both
// engines: a new customer typed in and saved, a refusal bringing its page forward, the currency
// of a customer with invoices, the buttons beside the phone, mail and web page, and the list's
// find and filter.
#include "customerworld.h"
#include "engine/database.h"
#include "masterdata/customers/ui/frmcustomer.h"
#include "masterdata/customers/ui/frmcustomers.h"
#include "masterdata/customers/ui/frmcustomersfilter.h"
#include "masterdata/customers/ui/frmcustomersfind.h"
#include "modalwatcher.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUrl>

using namespace customerworld;

namespace
{
template <class W> W* box(TfrmCustomer& window, const char* field)
{
    return qobject_cast<W*>(window.fieldWidgets.value(QString::fromLatin1(field)));
}

// Types into the focused box and moves on with Enter, as a bookkeeper does.
void typeAndEnter(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    if (!text.isEmpty())
        QTest::keyClicks(focused, text);
    QTest::keyClick(focused, Qt::Key_Return);
}

TfrmCustomer* openRecordWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TfrmCustomer*>(w); window && window->isVisible())
            return window;
    return nullptr;
}
} // namespace

class TestCustomerWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Insert on the list opens a new customer at its number; Enter walks the address page, the
    // caption follows the name, OK (Space on it) saves and the list moves to the new customer.
    void keyboardPathThroughANewCustomer_data() { testdb::addEngineRows(); }
    void keyboardPathThroughANewCustomer()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("900"), QStringLiteral("Zed"));
        TfrmCustomers list(*db);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.activateWindow();
        QTest::keyClick(list.grdCustomers, Qt::Key_Insert);
        TfrmCustomer* window = openRecordWindow();
        QVERIFY(window);
        QApplication::setActiveWindow(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("New Customer"));
        QCOMPARE(window->edtCustomerNo->text(), QStringLiteral("1001"));
        QCOMPARE(window->pgcCustomer->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), window->edtCustomerNo);

        typeAndEnter(QString());
        QCOMPARE(QApplication::focusWidget(), box<QLineEdit>(*window, "CustomerName"));
        typeAndEnter(QStringLiteral("Ada Brook"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ada Brook"));
        typeAndEnter(QStringLiteral("12 Elm St"));
        typeAndEnter(QString());
        typeAndEnter(QStringLiteral("Ottawa"));
        typeAndEnter(QStringLiteral("ON"));
        QCOMPARE(QApplication::focusWidget(), box<QLineEdit>(*window, "ZipCode"));
        typeAndEnter(QStringLiteral("k1a 0b1"));
        typeAndEnter(QStringLiteral("Canada"));
        QVERIFY(!window->btnDial->isEnabled()); // no dialer lent
        QVERIFY(!window->btnWeb->isEnabled());
        typeAndEnter(QStringLiteral("555-0101"));
        typeAndEnter(QString()); // fax
        typeAndEnter(QStringLiteral("Her son"));
        typeAndEnter(QStringLiteral("ada@example.org"));
        QVERIFY(window->btnMail->isEnabled());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("http://brook.example"));
        QVERIFY(window->btnWeb->isEnabled());

        // The Terms page by Ctrl+Tab: the net days typed there are kept.
        QTest::keyClick(window->pgcCustomer, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(window->pgcCustomer, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window->pgcCustomer->currentIndex(), 2);
        box<QLineEdit>(*window, "NetDays")->setFocus();
        QTest::keyClicks(box<QLineEdit>(*window, "NetDays"), QStringLiteral("30"));

        QTest::keyClick(window->btnOK, Qt::Key_Space);
        QVERIFY(!openRecordWindow());
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerNo = "
                                           "'1001' AND CustomerID = 10000 AND ZipCode = 'K1A "
                                           "0B1' AND WebPage = 'brook.example' AND NetDays = 30 "
                                           "AND CurrencyID = 1 AND PrintStatement = true")),
                 1);
        QCOMPARE(list.currentCustomerId(), 10000);
        QCOMPARE(list.currentRow()->customerName, QStringLiteral("Ada Brook"));
    }

    // A refusal shows its message, brings its field's page forward and focuses the field;
    // nothing is written until the record is right.
    void refusalBringsItsPageForward_data() { testdb::addEngineRows(); }
    void refusalBringsItsPageForward()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine, 0);
        TfrmCustomer window(*db);
        ScriptedDialogs dialogs;
        window.setDialogs(&dialogs);
        QVERIFY(window.openNew());
        window.show();
        QApplication::setActiveWindow(&window);
        window.pgcCustomer->setCurrentIndex(4);
        QVERIFY(!window.save());
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Field 'Customer Name' must have a value"));
        QCOMPARE(window.pgcCustomer->currentIndex(), 0);
        box<QLineEdit>(window, "CustomerName")->setText(QStringLiteral("Bo"));
        QVERIFY(!window.save());
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Field 'Currency' must have a value"));
        QCOMPARE(window.pgcCustomer->currentIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), box<QComboBox>(window, "CurrencyID"));
        box<QLineEdit>(window, "CreditLimit")->setText(QStringLiteral("lots"));
        box<QComboBox>(window, "CurrencyID")->setCurrentIndex(1);
        QVERIFY(!window.save());
        QCOMPARE(dialogs.texts().last(), QStringLiteral("'lots' is not a valid amount"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 0);
        box<QLineEdit>(window, "CreditLimit")->clear();
        QVERIFY(window.save());
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 1);
    }

    // The currency of a customer with invoices goes back to what it was, with the message; the
    // Delete key clears a lookup; a funder has no deliver-to address; the buttons beside the
    // fields open what they name.
    void storedCustomer_data() { testdb::addEngineRows(); }
    void storedCustomer()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1001"), QStringLiteral("Funder"));
        db->exec(QStringLiteral("UPDATE Customer SET CustomerType = 'F', Phone = '555-0199', "
                                "WebPage = 'abc', EMail = 'f@example.org', SalesmanID = 5"));
        addInvoice(*db, 7, 1);
        TfrmCustomer window(*db);
        ScriptedDialogs dialogs;
        window.setDialogs(&dialogs);
        QStringList dialled;
        QList<QUrl> opened;
        window.dial = [&dialled](const QString& phone) { dialled << phone; };
        window.openUrl = [&opened](const QUrl& url) { opened << url; };
        QVERIFY(window.openExisting(1));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Funder"));
        QVERIFY(!window.grpDeliverTo->isVisibleTo(&window));
        QVERIFY(window.btnDial->isEnabled());
        window.btnDial->click();
        window.btnWeb->click();
        window.btnMail->click();
        QCOMPARE(dialled, QStringList{QStringLiteral("555-0199")});
        QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("http://abc")),
                                      QUrl(QStringLiteral("mailto:f@example.org"))}));

        auto* currency = box<QComboBox>(window, "CurrencyID");
        QCOMPARE(currency->currentData().toLongLong(), kDollars);
        window.pgcCustomer->setCurrentIndex(2);
        currency->setFocus();
        QTest::keyClick(currency, Qt::Key_Up); // from "US $" to "Euro"
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(
                                      "Currency cannot be changed... \rInvoice(s) already exist")});
        QCOMPARE(currency->currentData().toLongLong(), kDollars);

        auto* salesman = box<QComboBox>(window, "SalesmanID");
        QCOMPARE(salesman->currentData().toLongLong(), kSalesman);
        salesman->setFocus();
        QTest::keyClick(salesman, Qt::Key_Delete);
        QVERIFY(!salesman->currentData().isValid());
        QVERIFY(window.isModified());
        QVERIFY(window.save());
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE SalesmanID IS "
                                           "NULL AND CurrencyID = 1")),
                 1);
    }

    // Closing with changes asks; Cancel keeps the window, No drops the changes.
    void closingWithChangesAsks_data() { testdb::addEngineRows(); }
    void closingWithChangesAsks()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1001"), QStringLiteral("Kept"));
        TfrmCustomer window(*db);
        ScriptedDialogs dialogs({Dialogs::Cancel, Dialogs::No});
        window.setDialogs(&dialogs);
        QVERIFY(window.openExisting(1));
        window.show();
        auto* name = box<QLineEdit>(window, "CustomerName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("!"));
        QVERIFY(!window.close());
        QVERIFY(window.close());
        QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("Do you want to save changes?"),
                                               QStringLiteral("Do you want to save changes?")}));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerName = "
                                           "'Kept'")),
                 1);
    }

    // Find by number and by name; what is not there is said and the dialog stays. The filter
    // narrows the list and the caption says so; the sort goes to the first row.
    void findFilterAndSort_data() { testdb::addEngineRows(); }
    void findFilterAndSort()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1003"), QStringLiteral("Carter"));
        addCustomer(*db, 2, QStringLiteral("1001"), QStringLiteral("Baker"), kEuros);
        TfrmCustomers list(*db);
        QCOMPARE(list.windowTitle(), QStringLiteral("Clients and Funders"));

        ModalWatcher watcher;
        TfrmCustomersFind find(
            *db, [&list](qint64 id) { return list.moveTo(id); }, &list);
        find.show();
        find.edtCustomerNo->setText(QStringLiteral("999"));
        find.accept();
        QCOMPARE(watcher.messages, QStringList{QStringLiteral("Client ID 999 not found")});
        QVERIFY(find.isVisible());
        find.edtCustomerNo->setText(QStringLiteral("1003"));
        find.accept();
        QCOMPARE(find.result(), int(QDialog::Accepted));
        QCOMPARE(list.currentCustomerId(), 1);

        CustomerFilter euros;
        euros.currencyId = kEuros;
        list.setFilter(euros);
        QCOMPARE(list.windowTitle(), QStringLiteral("Clients and Funders (Filtered)"));
        QVERIFY(list.mnuFilter->isChecked());
        TfrmCustomersFind again(
            *db, [&list](qint64 id) { return list.moveTo(id); }, &list);
        again.show();
        again.cboName->setCurrentIndex(again.cboName->findText(QStringLiteral("Carter")));
        again.accept();
        QCOMPARE(watcher.messages.last(), QStringLiteral("'Carter' not found"));
        list.resetFilter();
        QCOMPARE(list.windowTitle(), QStringLiteral("Clients and Funders"));

        list.actSortNumber->trigger();
        QVERIFY(list.actSortNumber->isChecked());
        QCOMPARE(list.currentCustomerId(), 2);

        TfrmCustomersFilter dialog(*db);
        dialog.cboCurrency->setCurrentIndex(dialog.cboCurrency->findData(kEuros));
        dialog.suspended.no->setChecked(true);
        QCOMPARE(customerFilterExpression(dialog.filter()),
                 QStringLiteral("(CurrencyID = 2) AND (Suspended = false)"));
        dialog.cboCurrency->setFocus();
        QTest::keyClick(dialog.cboCurrency, Qt::Key_Delete);
        dialog.reset();
        QVERIFY(!dialog.filter().isOn());
    }
};

QTEST_MAIN(TestCustomerWindows)
#include "test_customerwindows.moc"

// The invoice window driven from the keyboard the way a bookkeeper enters an invoice, and a
// posted invoice that refuses every change.
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "data/lookups.h"
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "modalwatcher.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/ui/frmarinvoice.h"
#include "receivables/invoices/ui/invoicegrid.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

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
}

// Typing into a grid cell: the first key opens the cell's editor, the rest go to the editor.
void typeInGrid(TfrmARInvoice* window, const QString& text)
{
    QTest::keyClick(window->grid, text.at(0).toLatin1());
    if (text.size() > 1)
        QTest::keyClicks(window->focusWidget(), text.mid(1));
}

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
        window->grid->setFocus();
        QTest::keyClick(window->grid, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(window->grid, Qt::Key_PageDown);
        QTest::keyClicks(window->editDescription, QStringLiteral("changed"));
        QCOMPARE(window->document()->lineCount(), 1);
        QCOMPARE(window->document()->header().description, QString());
        window->close(); // nothing changed: no question
        QTRY_VERIFY(window.isNull());
        QVERIFY(watcher.messages.isEmpty());
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
};

QTEST_MAIN(TestArInvoiceWindow)
#include "test_arinvoicewindow.moc"

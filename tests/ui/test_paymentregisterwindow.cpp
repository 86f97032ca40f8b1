// The payment register as a bookkeeper uses it, offscreen, on both engines: its order and
// captions, Outstanding and the filter dialog, the commands enabled for the current cheque and
// the lent screens, Reconciled, Delete, Find, the payment window opened by Enter, a
// double-click and Edit on an empty list, and the posting offer on close.
#include "common/ui/dateentry.h"
#include "engine/database.h"
#include "gridtexts.h"
#include "invoicefixture.h"
#include "modalwatcher.h"
#include "paymentsample.h"
#include "receivables/payments/register/ui/frmarpayments.h"
#include "receivables/payments/register/ui/frmarpaymentsfilter.h"
#include "receivables/payments/register/ui/frmarpaymentsfind.h"
#include "registersample.h"
#include "testdatabases.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace paymentsample;

namespace
{
QStringList chequeNos(TfrmARPayments& screen)
{
    return columnTexts(screen.grdPayments, 1);
}

bool reconciledInDb(Database& db, qint64 id)
{
    return invoicefixture::scalar(
               db, QStringLiteral("SELECT Reconciled FROM ARPmt WHERE PaymentID = %1").arg(id))
        .toBool();
}
} // namespace

class TestPaymentRegisterWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionsOutstandingAndFilter_data() { testdb::addEngineRows(); }
    void captionsOutstandingAndFilter()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        db->exec(QStringLiteral("INSERT INTO Currency (CurrencyID, CurrencyName) VALUES "
                                "(1, 'US dollar'), (2, 'Canadian dollar')"));
        TfrmARPayments screen(*db);
        QCOMPARE(chequeNos(screen), QStringList({"503", "502", "502", "501", "100"}));
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Payments"));

        screen.mnuOutstanding->trigger();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Payments (Outstanding)"));
        QCOMPARE(chequeNos(screen), QStringList({"503", "502", "502", "100"}));

        ModalWatcher watcher;
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARPaymentsFilter*>(d)) {
                QCOMPARE(f->windowTitle(), QStringLiteral("AR Payments Filter"));
                f->edtDate->setDate(registersample::kMarch1);
                f->rbPostedNo->setChecked(true);
            }
            d->accept();
        };
        screen.filter();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Payments (Outstanding, Filtered)"));
        QCOMPARE(chequeNos(screen), QStringList({"100"}));
        QVERIFY(screen.mnuFilter->isChecked());

        // The customer's currency, chosen from the drop-down, with Outstanding off.
        screen.mnuOutstanding->trigger();
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARPaymentsFilter*>(d)) {
                f->reset();
                f->cboCurrency->setCurrentIndex(f->cboCurrency->findData(2));
            }
            d->accept();
        };
        screen.filter();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Payments (Filtered)"));
        QCOMPARE(chequeNos(screen), QStringList({"502", "501"}));

        screen.resetFilter();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Payments"));
        QCOMPARE(chequeNos(screen).size(), 5);
        QVERIFY(!screen.mnuFilter->isChecked() && !screen.mnuOutstanding->isChecked());
        screen.actSortCheque->trigger();
        QCOMPARE(chequeNos(screen), QStringList({"100", "501", "502", "502", "503"}));
        QVERIFY(screen.actSortCheque->isChecked() && !screen.actSortDate->isChecked());
    }

    void commandsFollowTheCurrentCheque_data() { testdb::addEngineRows(); }
    void commandsFollowTheCurrentCheque()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        db->exec(QStringLiteral("UPDATE Customer SET Phone = '555-0101', EMail = "
                                "'ruth@example.org' WHERE CustomerID = 1"));
        TfrmARPayments screen(*db);
        QString mailedTo;
        screen.sendMail = [&mailedTo](const QString& address) { mailedTo = address; };

        // Nothing lent yet: the screens the register cannot reach stay off.
        QVERIFY(screen.moveTo(1)); // Ames, posted, reconciled
        screen.updateCommands();
        for (QAction* off :
             {screen.actNew, screen.actEdit, screen.actPost, screen.actCustomer, screen.actPhone,
              screen.actDelete, screen.actPrintByDate, screen.actPrintById})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        // The filtered list needs nothing lent; the time-period lists need the templates' folder.
        QVERIFY(screen.actPrintFiltered->isEnabled());
        screen.templateDirectory = QStringLiteral("/data");
        screen.updateCommands();
        QVERIFY(screen.actPrintByDate->isEnabled());
        QVERIFY(screen.actPrintById->isEnabled());
        QVERIFY(screen.actEMail->isEnabled());
        QVERIFY(screen.mnuReconciled->isChecked());
        screen.actEMail->trigger();
        QCOMPARE(mailedTo, QStringLiteral("ruth@example.org"));

        QString dialled;
        QString dialledName;
        qint64 shownCustomer = 0;
        screen.dial = [&](const QString& phone, const QString& name) {
            dialled = phone;
            dialledName = name;
        };
        screen.openCustomerList = [&shownCustomer](qint64 id) { shownCustomer = id; };
        screen.updateCommands();
        QVERIFY(screen.actPhone->isEnabled() && screen.actCustomer->isEnabled());
        screen.actPhone->trigger();
        screen.actCustomer->trigger();
        QCOMPARE(dialled, QStringLiteral("555-0101"));
        QCOMPARE(dialledName, QStringLiteral("Ames, Ruth"));
        QCOMPARE(shownCustomer, invoicefixture::kAmes);

        // County has neither phone nor e-mail; its unposted cheque may be deleted.
        QVERIFY(screen.moveTo(3));
        QVERIFY(!screen.actPhone->isEnabled() && !screen.actEMail->isEnabled());
        QVERIFY(screen.actDelete->isEnabled());
        QVERIFY(!screen.mnuReconciled->isChecked());
        // The removed customer's cheque: no customer to show.
        QVERIFY(screen.moveTo(4));
        QVERIFY(!screen.actCustomer->isEnabled());

        // Reconciled is stored at once, also on a posted cheque; Outstanding then drops it.
        screen.mnuOutstanding->trigger();
        QVERIFY(screen.moveTo(5));
        QVERIFY(!screen.actDelete->isEnabled());
        screen.mnuReconciled->trigger();
        QVERIFY(reconciledInDb(*db, 5));
        QCOMPARE(screen.grdPayments->model()->rowCount(), 3);
        QVERIFY(screen.currentPaymentId() != 5);
    }

    void openDeleteAndFind_data() { testdb::addEngineRows(); }
    void openDeleteAndFind()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        TfrmARPayments screen(*db);
        QList<std::optional<qint64>> opened;
        screen.openPayment = [&](std::optional<qint64> id) { opened << id; };
        screen.updateCommands();
        QVERIFY(screen.actNew->isEnabled() && screen.actEdit->isEnabled());
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));

        QVERIFY(screen.moveTo(3));
        screen.grdPayments->setFocus();
        QTest::keyClick(screen.grdPayments, Qt::Key_Return);
        const QModelIndex row2 = screen.grdPayments->model()->index(1, 0);
        const QPoint onRow2 = screen.grdPayments->visualRect(row2).center();
        QTest::mouseClick(screen.grdPayments->viewport(), Qt::LeftButton, {}, onRow2);
        QTest::mouseDClick(screen.grdPayments->viewport(), Qt::LeftButton, {}, onRow2);
        screen.actNew->trigger();
        QCOMPARE(opened, (QList<std::optional<qint64>>{3, 2, std::nullopt}));
        // The payment window reports what it stored: that payment becomes the current row.
        screen.showStoredPayment(1);
        QCOMPARE(screen.currentPaymentId(), qint64(1));

        ModalWatcher watcher;
        // Find by number; then a number that is not there leaves the list where it was.
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARPaymentsFind*>(d))
                f->edtChequeNo->setText(QStringLiteral("100"));
            d->accept();
        };
        screen.find();
        QCOMPARE(screen.currentPaymentId(), qint64(3));
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARPaymentsFind*>(d))
                f->edtChequeNo->setText(QStringLiteral("999"));
            d->accept();
        };
        screen.find();
        QCOMPARE(watcher.messages, QStringList({QStringLiteral("Cheque '999' not found")}));
        QCOMPARE(screen.currentPaymentId(), qint64(3));

        // Delete asks, then removes the cheque and its allocation line.
        watcher.messages.clear();
        watcher.answers = {QMessageBox::Yes};
        screen.actDelete->trigger();
        QCOMPARE(watcher.messages, QStringList({QStringLiteral("Delete cheque '100'?")}));
        QVERIFY(!chequeNos(screen).contains(QStringLiteral("100")));
        QCOMPARE(invoicefixture::count(
                     *db, QStringLiteral("SELECT COUNT(*) FROM ARInvPmt WHERE PaymentID = 3")),
                 qint64(0));

        // With every cheque gone, Edit opens a new payment.
        db->exec(QStringLiteral("DELETE FROM ARPmt"));
        screen.refresh();
        opened.clear();
        screen.actEdit->trigger();
        QCOMPARE(opened, (QList<std::optional<qint64>>{std::nullopt}));
        screen.close();
    }

    // Closing offers posting whenever a cheque waits, and only then; Post re-reads the list
    // when the dialog posted.
    void postingOfferOnClose_data() { testdb::addEngineRows(); }
    void postingOfferOnClose()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        TfrmARPayments screen(*db);
        int offered = 0;
        screen.openPosting = [&] {
            ++offered;
            db->exec(QStringLiteral("UPDATE ARPmt SET Posted = true"));
            return true;
        };
        screen.updateCommands();
        QVERIFY(screen.actPost->isEnabled());
        screen.actPost->trigger();
        QCOMPARE(offered, 1);
        QVERIFY(screen.moveTo(3));
        QVERIFY(!screen.actDelete->isEnabled()); // the list was read again
        screen.show();
        screen.close();
        QCOMPARE(offered, 1); // nothing left to post
        db->exec(QStringLiteral("UPDATE ARPmt SET Posted = false WHERE PaymentID = 2"));
        screen.show();
        screen.close();
        QCOMPARE(offered, 2);
    }
};

QTEST_MAIN(TestPaymentRegisterWindow)
#include "test_paymentregisterwindow.moc"

// The invoice register as a bookkeeper uses it, offscreen, on both engines: its order and
// caption, Outstanding and the filter, the delete commands refused on a posted invoice, a
// deletion, the copy opened as "New (copied) Invoice", find, the payments view following the
// cursor, printing one invoice, and the posting offer on close.
#include "common/printercheck.h"
#include "data/lookups.h"
#include "engine/database.h"
#include "gridtexts.h"
#include "invoicefixture.h"
#include "modalwatcher.h"
#include "receivables/invoices/ui/frmarinvoice.h"
#include "receivables/invoices/ui/frmarinvoicepayments.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/invoices/ui/frmarinvoicesfilter.h"
#include "receivables/invoices/ui/frmarinvoicesfind.h"
#include "registersample.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "testdatabases.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace registersample;

namespace
{
QStringList invoiceNos(TfrmARInvoices& screen)
{
    return columnTexts(screen.grdInvoices, 5);
}

template <typename T> T* openWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w); found && found->isVisible())
            return found;
    }
    return nullptr;
}
} // namespace

class TestInvoiceRegisterWindow : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir folder_;

private Q_SLOTS:
    void initTestCase()
    {
        setPrinterNameSource([] { return QString(); });
        setPdfOutputFolderSource([this] { return folder_.path(); });
    }

    void listCaptionOutstandingAndFilter_data() { testdb::addEngineRows(); }
    void listCaptionOutstandingAndFilter()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        TdmLookUps lookups(*db);
        TfrmARInvoices screen(*db, lookups, folder_.path());
        // Newest first; a customer since removed keeps its invoice in the list.
        QCOMPARE(invoiceNos(screen),
                 QStringList({"10002", "09999", "10005", "10004", "10003", "10001"}));
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Invoices"));

        screen.mnuOutstanding->trigger();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Invoices (Outstanding)"));
        QCOMPARE(invoiceNos(screen), QStringList({"10002", "09999", "10005", "10001"}));

        ModalWatcher watcher;
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARInvoicesFilter*>(d)) {
                f->edtDescription->setText(QStringLiteral("cred' OR '1'='1"));
                f->rbPostedNo->setChecked(true);
            }
            d->accept();
        };
        screen.filter();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Invoices (Outstanding, Filtered)"));
        QVERIFY(invoiceNos(screen).isEmpty()); // the typed text is matched as it stands
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARInvoicesFilter*>(d))
                f->edtDescription->setText(QStringLiteral("CRED"));
            d->accept();
        };
        screen.filter();
        QCOMPARE(invoiceNos(screen), QStringList({"10002"}));
        screen.resetFilter();
        QCOMPARE(screen.windowTitle(), QStringLiteral("AR Invoices"));
        QCOMPARE(invoiceNos(screen).size(), 6);
        screen.setOrder(RegisterOrder::InvoiceNo);
        QCOMPARE(invoiceNos(screen).first(), QStringLiteral("09999"));

        // Phone dials the current invoice's customer by name; no phone, no command.
        db->exec(QStringLiteral("UPDATE Customer SET Phone = '555-0101' WHERE CustomerID = %1")
                     .arg(invoicefixture::kAmes));
        screen.refresh();
        QStringList dialled;
        screen.dial = [&](const QString& phone, const QString& name) {
            dialled << phone + QStringLiteral(" / ") + name;
        };
        QVERIFY(screen.moveTo(2));
        screen.updateCommands();
        QVERIFY(screen.actPhone->isEnabled());
        screen.actPhone->trigger();
        QCOMPARE(dialled, QStringList{QStringLiteral("555-0101 / Ames, Ruth")});
        QVERIFY(screen.moveTo(3));
        QVERIFY(!screen.actPhone->isEnabled());
    }

    void deleteCopyFindAndPayments_data() { testdb::addEngineRows(); }
    void deleteCopyFindAndPayments()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        TdmLookUps lookups(*db);
        TfrmARInvoices screen(*db, lookups, folder_.path());
        screen.show();

        // The posted invoice: every delete command is off.
        QVERIFY(screen.moveTo(1));
        QVERIFY(!screen.actDeleteSelected->isEnabled());
        QVERIFY(!screen.actDeleteDate->isEnabled());
        QVERIFY(screen.moveTo(4));
        QVERIFY(screen.actDeleteSelected->isEnabled());

        ModalWatcher watcher;
        watcher.answers = {QMessageBox::Yes};
        screen.actDeleteSelected->trigger();
        QCOMPARE(watcher.messages, QStringList({QStringLiteral("Delete invoice '10004'?")}));
        QVERIFY(!invoiceNos(screen).contains(QStringLiteral("10004")));
        QCOMPARE(invoicefixture::count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE "
                                                           "ARInvoiceID = 4")),
                 qint64(0));

        // Find by number makes the invoice current.
        watcher.onDialog = [](QDialog* d) {
            if (auto* f = qobject_cast<TfrmARInvoicesFind*>(d))
                f->edtInvoiceNo->setText(QStringLiteral("10003"));
            d->accept();
        };
        screen.find();
        QCOMPARE(screen.currentInvoiceId(), qint64(3));

        // The payments view follows the cursor.
        screen.showPayments();
        auto* payments = screen.findChild<TfrmARInvoicePayments*>();
        QVERIFY(payments && payments->isVisible());
        QCOMPARE(payments->invoiceId(), qint64(3));
        QVERIFY(screen.moveTo(5));
        QCOMPARE(payments->invoiceId(), qint64(5));

        // Copy opens the invoice window on a new, unsaved invoice.
        const qint64 before =
            invoicefixture::count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        screen.copyInvoice();
        TfrmARInvoice* copy = openWindow<TfrmARInvoice>();
        QVERIFY(copy);
        QCOMPARE(copy->windowTitle(), QStringLiteral("New (copied) Invoice"));
        QCOMPARE(invoicefixture::count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), before);
        copy->setAttribute(Qt::WA_DeleteOnClose, false);
        copy->btnCancelClick();
        delete copy;
    }

    void printOneInvoiceAndOfferPostingOnClose_data() { testdb::addEngineRows(); }
    void printOneInvoiceAndOfferPostingOnClose()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        TdmLookUps lookups(*db);
        TfrmARInvoices screen(*db, lookups, folder_.path());
        QVERIFY(screen.moveTo(3)); // printed already
        QString caption;
        QString count;
        ModalWatcher watcher;
        watcher.onDialog = [&](QDialog* d) {
            if (auto* print = qobject_cast<TfrmARInvoicesPrint*>(d)) {
                caption = print->windowTitle();
                count = print->LabelCount->text();
            }
            d->reject();
        };
        screen.actPrintSelected->trigger();
        QCOMPARE(caption, QStringLiteral("Reprint AR Invoice 10003"));
        QCOMPARE(count, QStringLiteral("1 invoice(s) to be printed"));

        // Closing offers posting: there are printed, unposted invoices.
        int offered = 0;
        screen.openPosting = [&offered] {
            ++offered;
            return false;
        };
        screen.show();
        screen.close();
        QCOMPARE(offered, 1);
    }
};

QTEST_MAIN(TestInvoiceRegisterWindow)
#include "test_invoiceregisterwindow.moc"

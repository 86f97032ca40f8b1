// Post AR Invoices as a bookkeeper uses it, offscreen: the count, OK posting everything waiting
// and closing with OK, an empty selection closing with Cancel, the open invoice window, and a
// table held by another workstation answered with Cancel.
#include "engine/database.h"
#include "modalwatcher.h"
#include "postingfixture.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"
#include "testdatabases.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace postingfixture;

namespace
{

std::unique_ptr<Database> ledger(const QString& engine)
{
    ConnectionParams params = testdb::freshParams(engine);
    params.lockRetry = {2, 10};
    auto db = Database::open(params);
    create(*db);
    addCustomer(*db, 1);
    addCustomer(*db, 2, kCanadian, Money{});
    addInvoice(*db, {1, 1, Money::fromCents(4000)});
    addInvoice(*db, {2, 2, Money::fromCents(-1500)});
    addInvoice(*db, {3, 2, Money::fromCents(900), false});
    return db;
}

void clickOk(TfrmARInvoicesPost& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
}

qint64 postedCount(Database& db)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true"));
}

} // namespace

class TestInvoicesPostDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void okPostsAndCloses_data() { testdb::addEngineRows(); }
    void okPostsAndCloses()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        TfrmARInvoicesPost dialog(*db);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Post AR Invoices"));
        QCOMPARE(dialog.LabelCount->text(), QStringLiteral("2 printed invoice(s) to be posted"));
        QCOMPARE(dialog.waiting(), 2);
        ModalWatcher watcher;
        clickOk(dialog);
        QVERIFY(watcher.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.ProgressBar->maximum(), 2);
        QCOMPARE(dialog.ProgressBar->value(), 2);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(postedCount(*db), 2);
        QCOMPARE(balance(*db, 1), Money::fromCents(4000));
        QCOMPARE(balance(*db, 2), Money::fromCents(-1500));

        // Opened again, nothing waits: OK closes with Cancel and changes nothing.
        TfrmARInvoicesPost empty(*db);
        empty.show();
        QCOMPARE(empty.LabelCount->text(), QStringLiteral("0 printed invoice(s) to be posted"));
        clickOk(empty);
        QCOMPARE(empty.result(), int(QDialog::Rejected));
        QVERIFY(!empty.isVisible());
        QCOMPARE(postedCount(*db), 2);
    }

    void refusedWhileAnInvoiceWindowIsOpenOrATableIsHeld_data() { testdb::addEngineRows(); }
    void refusedWhileAnInvoiceWindowIsOpenOrATableIsHeld()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        {
            QWidget invoiceWindow;
            invoiceWindow.setObjectName(QStringLiteral("frmARInvoice"));
            invoiceWindow.show();
            TfrmARInvoicesPost dialog(*db);
            dialog.show();
            ModalWatcher watcher;
            clickOk(dialog);
            QCOMPARE(watcher.messages,
                     QStringList({QStringLiteral(
                         "A conflicting program is running...\nPlease close 'AR Invoice' form")}));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(postedCount(*db), 0);

        auto other = testdb::reopen(*db);
        QVERIFY(other->tryLockTable(QStringLiteral("CBalance")));
        TfrmARInvoicesPost dialog(*db);
        dialog.show();
        ModalWatcher watcher;
        watcher.answers = {QMessageBox::Cancel};
        clickOk(dialog);
        const QString question = QStringLiteral(
            "Unable to lock Customer Balance table... this table is being updated by another job.");
        QCOMPARE(watcher.messages, QStringList({question, question}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(postedCount(*db), 0);
        QVERIFY(other->tryLockTable(QStringLiteral("ARInv"))); // given back
    }
};

QTEST_MAIN(TestInvoicesPostDialog)
#include "test_invoicespostdialog.moc"

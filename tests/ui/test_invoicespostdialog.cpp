// Post AR Invoices as a bookkeeper uses it, offscreen: the count, OK posting everything waiting
// and closing with OK, an empty selection closing with Cancel, the open invoice window, and a
// table held by another workstation answered with Cancel.
#include "engine/database.h"
#include "postingdialogchecks.h"
#include "postingfixture.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"
#include "testdatabases.h"

#include <QTest>

using namespace postingfixture;
using namespace postingdialogchecks;

namespace
{

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = freshLedger(engine);
    addCustomer(*db, 1);
    addCustomer(*db, 2, kCanadian, Money{});
    addInvoice(*db, {1, 1, Money::fromCents(4000)});
    addInvoice(*db, {2, 2, Money::fromCents(-1500)});
    addInvoice(*db, {3, 2, Money::fromCents(900), false});
    return db;
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
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Post AR Invoices"));
        checkOkPostsAndCloses(dialog, 2, QStringLiteral("2 printed invoice(s) to be posted"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(postedCount(*db), 2);
        QCOMPARE(balance(*db, 1), Money::fromCents(4000));
        QCOMPARE(balance(*db, 2), Money::fromCents(-1500));

        // Opened again, nothing waits: OK closes with Cancel and changes nothing.
        TfrmARInvoicesPost empty(*db);
        checkNothingWaitingCancels(empty, QStringLiteral("0 printed invoice(s) to be posted"));
        if (QTest::currentTestFailed())
            return;
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
            QCOMPARE(messagesOnOk(dialog),
                     QStringList({QStringLiteral(
                         "A conflicting program is running...\nPlease close 'AR Invoice' form")}));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(postedCount(*db), 0);

        auto other = testdb::reopen(*db);
        QVERIFY(other->tryLockTable(QStringLiteral("CBalance")));
        TfrmARInvoicesPost dialog(*db);
        checkHeldBalancesCancel(dialog);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(postedCount(*db), 0);
        QVERIFY(other->tryLockTable(QStringLiteral("ARInv"))); // given back
    }
};

QTEST_MAIN(TestInvoicesPostDialog)
#include "test_invoicespostdialog.moc"

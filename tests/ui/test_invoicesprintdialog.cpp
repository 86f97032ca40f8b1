// Print AR Invoices as a bookkeeper uses it, offscreen: the count, the remembered choices, a
// print to the PDF folder of a desktop without a printer with the printout confirmed, a
// reprint that asks nothing, the empty batch and the open invoice window.
#include "common/printercheck.h"
#include "data/screensettings.h"
#include "engine/database.h"
#include "modalwatcher.h"
#include "printfixture.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "testdatabases.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace printfixture;

class TestInvoicesPrintDialog : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir folder_; // the database's folder, with Hearthtable.ini
    QTemporaryDir pdfs_;   // the PDF folder

    std::unique_ptr<Database> ledger(const QString& engine)
    {
        auto db = testdb::fresh(engine);
        create(*db);
        addInvoice(*db, 1, kAmes, QStringLiteral("10001"), cents(2000));
        addInvoice(*db, 2, kCounty, QStringLiteral("10002"), cents(3000));
        addLine(*db, 1, 1,
                {{QStringLiteral("Quantity"), 2.0},
                 {QStringLiteral("ItemID"), kHotMeal},
                 {QStringLiteral("UnitPrice"), QVariant::fromValue(cents(1000))}});
        return db;
    }
    static void clickOk(TfrmARInvoicesPrint& dialog)
    {
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    }
    QStringList pdfFiles() const
    {
        return QDir(pdfs_.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A desktop without a printer that sends reports to a PDF folder.
        setPrinterNameSource([] { return QString(); });
        setPdfOutputFolderSource([this] { return pdfs_.path(); });
    }

    void countAndRememberedChoices_data() { testdb::addEngineRows(); }
    void countAndRememberedChoices()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        ScreenSettings settings(folder_.path());
        settings.write(QStringLiteral("FormARInvoicesPrint"),
                       QStringLiteral("RzComboBoxPrintOption"), QStringLiteral("2"));
        settings.write(QStringLiteral("FormARInvoicesPrint"), QStringLiteral("RzComboBoxSortOrder"),
                       QStringLiteral("1"));
        TfrmARInvoicesPrint dialog(*db, folder_.path());
        dialog.show();
        QCOMPARE(dialog.LabelCount->text(), QStringLiteral("2 invoice(s) to be printed"));
        QCOMPARE(dialog.RzComboBoxPrintOption->currentIndex(), 2);
        QCOMPARE(dialog.RzComboBoxSortOrder->currentIndex(), 1);
        QVERIFY(dialog.qryARInv().lines().at(8).contains(QStringLiteral("C.CustomerNo")));
        dialog.RzComboBoxPrintOption->setCurrentIndex(0);
        dialog.RzComboBoxSortOrder->setCurrentIndex(2);
        QVERIFY(dialog.qryARInv().lines().at(8).contains(QStringLiteral("NoCase")));
        dialog.reject();
        QCOMPARE(settings.read(QStringLiteral("FormARInvoicesPrint"),
                               QStringLiteral("RzComboBoxPrintOption"), QString()),
                 QStringLiteral("0"));
        QCOMPARE(settings.read(QStringLiteral("FormARInvoicesPrint"),
                               QStringLiteral("RzComboBoxSortOrder"), QString()),
                 QStringLiteral("2"));
    }

    // Printed to a new file in the PDF folder; confirmed, both invoices are marked printed.
    void printsToThePdfFolderAndMarksOnConfirmation_data() { testdb::addEngineRows(); }
    void printsToThePdfFolderAndMarksOnConfirmation()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const QStringList before = pdfFiles();
        TfrmARInvoicesPrint dialog(*db, folder_.path());
        dialog.RzComboBoxPrintOption->setCurrentIndex(0);
        dialog.show();
        ModalWatcher watcher;
        watcher.answers = {QMessageBox::Yes};
        clickOk(dialog);
        QCOMPARE(watcher.messages.value(0), QStringLiteral("Did invoice(s) print OK?"));
        QVERIFY(watcher.messages.value(1).startsWith(QStringLiteral("Printed to:")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = true")),
            2);
        QCOMPARE(pdfFiles().size(), before.size() + 1);
    }

    // "Reprint ..." prints the one invoice and asks nothing; its flag stays as it was.
    void aReprintAsksNothing_data() { testdb::addEngineRows(); }
    void aReprintAsksNothing()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        TfrmARInvoicesPrint dialog(*db, folder_.path());
        dialog.setWindowTitle(QStringLiteral("Reprint AR Invoice 10002"));
        dialog.qryARInv().selectOneInvoice(2);
        dialog.OpenQuery();
        dialog.show();
        QCOMPARE(dialog.LabelCount->text(), QStringLiteral("1 invoice(s) to be printed"));
        ModalWatcher watcher;
        clickOk(dialog);
        QCOMPARE(watcher.messages.size(), 1); // only where the file went
        QVERIFY(watcher.messages.first().startsWith(QStringLiteral("Printed to:")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = true")),
            0);
    }

    void nothingToPrintAndTheOpenInvoiceWindow_data() { testdb::addEngineRows(); }
    void nothingToPrintAndTheOpenInvoiceWindow()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        {
            QWidget invoiceWindow;
            invoiceWindow.setObjectName(QStringLiteral("frmARInvoice"));
            invoiceWindow.show();
            TfrmARInvoicesPrint dialog(*db, folder_.path());
            dialog.show();
            ModalWatcher watcher;
            clickOk(dialog);
            QCOMPARE(watcher.messages,
                     QStringList({QStringLiteral(
                         "A conflicting program is running...\nPlease close 'AR Invoice' form")}));
            QVERIFY(dialog.isVisible()); // stays open for another try
        }
        db->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        const QStringList before = pdfFiles();
        TfrmARInvoicesPrint dialog(*db, folder_.path());
        dialog.show();
        QCOMPARE(dialog.LabelCount->text(), QStringLiteral("0 invoice(s) to be printed"));
        ModalWatcher watcher;
        clickOk(dialog);
        QVERIFY(watcher.messages.isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(pdfFiles(), before);
    }
};

QTEST_MAIN(TestInvoicesPrintDialog)
#include "test_invoicesprintdialog.moc"

// Invoice Print Setup on both engines: it opens with what the organization has, OK stores every
// option and the logo in one go, Cancel keeps what was there, and a file that is not a picture
// is refused.
#include "engine/database.h"
#include "modalwatcher.h"
#include "printfixture.h"
#include "receivables/invoices/register/invoiceprintsetup.h"
#include "receivables/invoices/ui/frmarinvoicesetup.h"
#include "testdatabases.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace printfixture;

class TestInvoiceSetup : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir files_;

    std::unique_ptr<Database> ledger(const QString& engine)
    {
        auto db = testdb::fresh(engine);
        create(*db);
        setCompany(*db, {{QStringLiteral("ARInvoiceMessage"), QStringLiteral("Thank you")},
                         {QStringLiteral("ARInvoiceCopies"), 2},
                         {QStringLiteral("ARPrintTerms"), true},
                         {QStringLiteral("ARInvoiceStyle"), 1}});
        return db;
    }
    QString bitmap()
    {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = files_.filePath(QStringLiteral("logo.bmp"));
        image.save(path, "BMP");
        return path;
    }

private Q_SLOTS:
    void opensWithTheOrganizationsOptionsAndStoresThem_data() { testdb::addEngineRows(); }
    void opensWithTheOrganizationsOptionsAndStoresThem()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        TfrmARInvoiceSetup setup(*db);
        QCOMPARE(setup.edtMessage->text(), QStringLiteral("Thank you"));
        QCOMPARE(setup.edtCopies->value(), 2);
        QVERIFY(setup.chkPrintTerms->isChecked());
        QVERIFY(!setup.chkAustralia->isChecked());
        QCOMPARE(setup.cboStyle->currentText(), QStringLiteral("Professional"));
        QVERIFY(!setup.cboStyle->isEnabled());
        QVERIFY(!setup.hasLogo());
        QCOMPARE(setup.edtCopies->maximum(), 99);

        setup.edtMessage->setText(
            QStringLiteral("Meals are our gift; your gift keeps them coming."));
        setup.edtCopies->setValue(3);
        setup.chkPrintTerms->setChecked(false);
        setup.chkAustralia->setChecked(true);
        QVERIFY(setup.loadLogo(bitmap()));
        setup.accept();
        QCOMPARE(setup.result(), int(QDialog::Accepted));

        const InvoicePrintSetup stored = readInvoicePrintSetup(*db);
        QCOMPARE(stored.message,
                 QStringLiteral("Meals are our gift; your gift keeps them coming."));
        QCOMPARE(stored.copies, 3);
        QVERIFY(!stored.printTerms);
        QVERIFY(stored.australia);
        QCOMPARE(stored.style, 1);
        QCOMPARE(QImage::fromData(stored.logo).size(), QSize(60, 30));

        // Clearing the logo and storing again leaves no logo.
        TfrmARInvoiceSetup again(*db);
        QVERIFY(again.hasLogo());
        again.clearLogo();
        again.accept();
        QVERIFY(readInvoicePrintSetup(*db).logo.isEmpty());
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Logo WHERE Logo IS NOT NULL")),
            0);
    }

    void cancelKeepsWhatWasThereAndANonPictureIsRefused_data() { testdb::addEngineRows(); }
    void cancelKeepsWhatWasThereAndANonPictureIsRefused()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const QString text = files_.filePath(QStringLiteral("notes.bmp"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();

        TfrmARInvoiceSetup setup(*db);
        ModalWatcher watcher;
        QVERIFY(!setup.loadLogo(text));
        QCOMPARE(watcher.messages,
                 QStringList(
                     {QStringLiteral("The file %1 is not a picture that can be read.").arg(text)}));
        QVERIFY(!setup.hasLogo());
        QVERIFY(setup.loadLogo(bitmap()));
        setup.edtCopies->setValue(9);
        setup.reject();
        const InvoicePrintSetup stored = readInvoicePrintSetup(*db);
        QCOMPARE(stored.copies, 2);
        QVERIFY(stored.logo.isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, [&] {
            InvoicePrintSetup wrong = stored;
            wrong.copies = 100;
            storeInvoicePrintSetup(*db, wrong);
        }());
    }
};

QTEST_MAIN(TestInvoiceSetup)
#include "test_invoicesetup.moc"

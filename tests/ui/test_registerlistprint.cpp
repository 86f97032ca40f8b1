// The registers' list printing, offscreen, on both engines: every print command refuses with
// the printer message on a desktop with nowhere to print, the lists open in the preview with
// their pages, and the time-period lists ask the period (last month unless changed) before
// their template is found, or refused when it is missing.
#include "common/printercheck.h"
#include "common/ui/messageboxdialogs.h"
#include "data/lookups.h"
#include "engine/database.h"
#include "modalwatcher.h"
#include "paymentsample.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/payments/register/ui/frmarpayments.h"
#include "report/ui/frmpreview.h"
#include "reports/registerlists/ui/formtimeperiod.h"
#include "reports/userdefinedreports.h"
#include "testdatabases.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using reports::TimePeriodList;

namespace
{
QList<TfrmPreview*> openPreviews()
{
    QList<TfrmPreview*> previews;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<TfrmPreview*>(w); p && p->isVisible())
            previews << p;
    }
    return previews;
}

// The preview a command opened, closed again; its page count, or -1 without exactly one.
int closePreview()
{
    const QList<TfrmPreview*> previews = openPreviews();
    if (previews.size() != 1)
        return -1;
    const int pages = previews.first()->pageCount();
    previews.first()->close();
    QApplication::processEvents();
    return pages;
}

// Both registers over the ledger, looking for their list templates in `templates`.
struct Registers {
    Registers(Database& db, const QString& templates)
        : lookups(db), invoices(db, lookups, templates), payments(db)
    {
        payments.templateDirectory = templates;
        payments.updateCommands();
    }
    TdmLookUps lookups;
    TfrmARInvoices invoices;
    TfrmARPayments payments;
};

void copyExample(const QString& name, const QString& folder)
{
    QFile::remove(QDir(folder).filePath(name));
    QVERIFY(
        QFile::copy(QStringLiteral(TALLYWICK_DOCS_DIR "/") + name, QDir(folder).filePath(name)));
}
} // namespace

class TestRegisterListPrint : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir pdfs_;

private Q_SLOTS:
    void init()
    {
        setPrinterNameSource({});
        setPdfOutputFolderSource({});
    }
    void cleanup()
    {
        closePreview();
        setPdfOutputFolderSource({});
    }

    void everyPrintRefusedWithoutPrinter_data() { testdb::addEngineRows(); }
    void everyPrintRefusedWithoutPrinter()
    {
        QFETCH(QString, engine);
        auto db = paymentsample::sampleLedger(engine);
        QTemporaryDir templates;
        Registers registers(*db, templates.path());
        TfrmARInvoices& invoices = registers.invoices;
        TfrmARPayments& payments = registers.payments;

        ModalWatcher watcher;
        QStringList dialogs;
        watcher.onDialog = [&dialogs](QDialog* d) {
            dialogs << d->objectName();
            d->reject();
        };
        const QList<QAction*> commands{invoices.actPrintList,         invoices.actPrintPeriodById,
                                       invoices.actPrintPeriodByName, payments.actPrintFiltered,
                                       payments.actPrintByDate,       payments.actPrintById};
        for (QAction* command : commands) {
            QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
            command->trigger();
        }
        QCOMPARE(watcher.messages,
                 QStringList(commands.size(), MessageBoxDialogs::displayText(kNoPrinterDefined)));
        QVERIFY(dialogs.isEmpty()); // not even the period is asked
        QVERIFY(openPreviews().isEmpty());
    }

    void listsOpenInThePreview_data() { testdb::addEngineRows(); }
    void listsOpenInThePreview()
    {
        QFETCH(QString, engine);
        auto db = paymentsample::sampleLedger(engine);
        setPdfOutputFolderSource([this] { return pdfs_.path(); });
        Registers registers(*db, pdfs_.path());
        TfrmARInvoices& invoices = registers.invoices;
        TfrmARPayments& payments = registers.payments;
        ModalWatcher watcher;

        invoices.setOutstanding(true);
        invoices.actPrintList->trigger();
        QCOMPARE(closePreview(), 1);
        payments.actPrintFiltered->trigger();
        QCOMPARE(closePreview(), 1);
        QVERIFY(watcher.messages.isEmpty());
    }

    void timePeriodListsAskThePeriod_data() { testdb::addEngineRows(); }
    void timePeriodListsAskThePeriod()
    {
        QFETCH(QString, engine);
        auto db = paymentsample::sampleLedger(engine);
        setPdfOutputFolderSource([this] { return pdfs_.path(); });
        QTemporaryDir templates;
        Registers registers(*db, templates.path());
        TfrmARInvoices& invoices = registers.invoices;
        TfrmARPayments& payments = registers.payments;

        ModalWatcher watcher;
        QList<reports::TimePeriod> offered;
        bool accept = false;
        watcher.onDialog = [&](QDialog* d) {
            auto* ask = qobject_cast<TFormTimePeriod*>(d);
            QVERIFY(ask);
            offered << ask->period();
            // The sample's cheques and invoices are of 1 and 2 March 2025.
            ask->setPeriod({QDate(2025, 3, 1), QDate(2025, 3, 2)});
            if (accept)
                ask->btnOK->click();
            else
                ask->btnCancel->click();
        };

        // Cancelled: nothing found, nothing shown.
        payments.actPrintByDate->trigger();
        QVERIFY(openPreviews().isEmpty());
        QVERIFY(watcher.messages.isEmpty());
        const reports::TimePeriod lastMonth = reports::previousMonth(QDate::currentDate());
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered.first().from, lastMonth.from);
        QCOMPARE(offered.first().to, lastMonth.to);

        // Accepted without a template: the file is named.
        accept = true;
        invoices.actPrintPeriodByName->trigger();
        QCOMPARE(watcher.messages,
                 QStringList({MessageBoxDialogs::displayText(
                     reports::kMissingReportTemplate +
                     QDir::toNativeSeparators(
                         QDir(templates.path())
                             .filePath(QStringLiteral("InvoiceListInTimePeriodByName.rtm"))))}));
        QVERIFY(openPreviews().isEmpty());

        // With the templates in the folder, each list is previewed.
        watcher.messages.clear();
        const QList<std::pair<QAction*, TimePeriodList>> lists{
            {invoices.actPrintPeriodById, TimePeriodList::InvoicesById},
            {invoices.actPrintPeriodByName, TimePeriodList::InvoicesByName},
            {payments.actPrintByDate, TimePeriodList::PaymentsByDate},
            {payments.actPrintById, TimePeriodList::PaymentsById}};
        for (const auto& [command, list] : lists) {
            copyExample(reports::timePeriodTemplateName(list), templates.path());
            command->trigger();
            QCOMPARE(closePreview(), 1);
        }
        QVERIFY(watcher.messages.isEmpty());
    }

    void periodMustNotEndBeforeItBegins()
    {
        TFormTimePeriod ask(QDate(2026, 1, 20));
        QCOMPARE(ask.period().from, QDate(2025, 12, 1));
        QCOMPARE(ask.period().to, QDate(2025, 12, 31));
        QVERIFY(ask.btnOK->isEnabled());
        ask.setPeriod({QDate(2025, 12, 2), QDate(2025, 12, 1)});
        QVERIFY(!ask.btnOK->isEnabled());
        ask.accept();
        QCOMPARE(ask.result(), int(QDialog::Rejected));
        ask.setPeriod({QDate(2025, 12, 1), QDate(2025, 12, 1)}); // one day is a period
        QVERIFY(ask.btnOK->isEnabled());
        ask.setPeriod({QDate(), QDate(2025, 12, 1)});
        QVERIFY(!ask.btnOK->isEnabled());
    }
};

QTEST_MAIN(TestRegisterListPrint)
#include "test_registerlistprint.moc"

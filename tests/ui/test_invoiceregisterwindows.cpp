// The register's small windows: the payments applied to an invoice (both engines) and the date
// chosen for deleting a day's unposted invoices.
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "printfixture.h"
#include "receivables/invoices/invoicepayments.h"
#include "receivables/invoices/ui/formselectdeletedate.h"
#include "receivables/invoices/ui/frmarinvoicepayments.h"
#include "testdatabases.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace printfixture;

class TestInvoiceRegisterWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void paymentsOfTheCurrentInvoice_data() { testdb::addEngineRows(); }
    void paymentsOfTheCurrentInvoice()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        create(*db);
        schema::createTable(*db, ar::arPmt());
        schema::createTable(*db, ar::arInvPmt());
        addInvoice(*db, 1, kCounty, QStringLiteral("10001"), cents(30000));
        addInvoice(*db, 2, kAmes, QStringLiteral("10002"), cents(2000));
        const auto cheque = [&](qint64 id, const QString& no, QDate date, qint64 amount) {
            records::insert(*db, ar::arPmt(),
                            {{QStringLiteral("PaymentID"), id},
                             {QStringLiteral("ChequeNo"), no},
                             {QStringLiteral("CustomerID"), kCounty},
                             {QStringLiteral("PaymentDate"), date},
                             {QStringLiteral("ChequeAmount"), QVariant::fromValue(cents(amount))}});
        };
        const auto applied = [&](qint64 invoice, qint64 payment, qint64 amount) {
            records::insert(
                *db, ar::arInvPmt(),
                {{QStringLiteral("ARInvoiceID"), invoice},
                 {QStringLiteral("PaymentID"), payment},
                 {QStringLiteral("Seq"), 1},
                 {QStringLiteral("PaymentAmount"), QVariant::fromValue(cents(amount))}});
        };
        cheque(1, QStringLiteral("5512"), QDate(2024, 4, 20), 250000);
        cheque(2, QStringLiteral("5390"), QDate(2024, 4, 2), 10000);
        applied(1, 1, 20000);
        applied(1, 2, 10000);
        applied(2, 1, 2000);

        const std::vector<InvoicePayment> payments = paymentsOnInvoice(*db, 1);
        QCOMPARE(int(payments.size()), 2);
        QCOMPARE(payments[0].chequeNo, QStringLiteral("5390")); // the earlier cheque first
        QCOMPARE(payments[1].paymentAmount, cents(20000));
        QCOMPARE(payments[1].chequeAmount, cents(250000));

        TfrmARInvoicePayments view(*db);
        view.showInvoice(1);
        QCOMPARE(view.grdPayments->rowCount(), 2);
        QCOMPARE(view.grdPayments->item(1, 0)->text(), QStringLiteral("5512"));
        QCOMPARE(view.grdPayments->item(1, 1)->text(), QStringLiteral("20 Apr 24"));
        QCOMPARE(view.grdPayments->item(1, 2)->text(), QStringLiteral("200.00"));
        QCOMPARE(view.grdPayments->item(1, 3)->text(), QStringLiteral("2,500.00"));
        view.showInvoice(2); // the register moved on
        QCOMPARE(view.grdPayments->rowCount(), 1);
        view.showInvoice(0); // an empty register
        QCOMPARE(view.grdPayments->rowCount(), 0);
    }

    void aDoubleClickedDayIsTheDate()
    {
        TFormSelectDeleteDate dialog;
        QCOMPARE(dialog.selectedDate(), QDate::currentDate());
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.calendar->setSelectedDate(QDate(2024, 3, 1));
        Q_EMIT dialog.calendar->activated(QDate(2024, 3, 1));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.selectedDate(), QDate(2024, 3, 1));
    }
};

QTEST_MAIN(TestInvoiceRegisterWindows)
#include "test_invoiceregisterwindows.moc"

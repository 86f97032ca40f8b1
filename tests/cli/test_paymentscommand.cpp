// tallywick payments on a month of a small sample program, with cheques written straight into
// the payment tables: the list's csv (one line per invoice a cheque paid) and json (each cheque
// with its invoices) shapes, the filters, and delete and reconcile with their refusals. The
// rules themselves are tested on both engines in tests/receivables.
#include "engine/database.h"
#include "paymentsample.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestPaymentsCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;
    QString customer1_;
    QString customer2_;
    QString invoice1_;
    QString invoice2_;

    ProgramRun payments(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("payments")} + more);
    }
    qint64 number(const QString& sql) { return month_.number(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = month_.open();
        const qint64 c1 = number(QStringLiteral("SELECT MIN(CustomerID) FROM ARInv"));
        const qint64 c2 = number(QStringLiteral("SELECT MAX(CustomerID) FROM ARInv"));
        QVERIFY(c1 != c2);
        customer1_ = month_.text(
            QStringLiteral("SELECT CustomerNo FROM Customer WHERE CustomerID = %1").arg(c1));
        customer2_ = month_.text(
            QStringLiteral("SELECT CustomerNo FROM Customer WHERE CustomerID = %1").arg(c2));
        const qint64 i1 = number(
            QStringLiteral("SELECT MIN(ARInvoiceID) FROM ARInv WHERE CustomerID = %1").arg(c1));
        const qint64 i2 = number(
            QStringLiteral("SELECT MAX(ARInvoiceID) FROM ARInv WHERE CustomerID = %1").arg(c2));
        invoice1_ = month_.text(
            QStringLiteral("SELECT InvoiceNo FROM ARInv WHERE ARInvoiceID = %1").arg(i1));
        invoice2_ = month_.text(
            QStringLiteral("SELECT InvoiceNo FROM ARInv WHERE ARInvoiceID = %1").arg(i2));
        using paymentsample::addAllocation;
        using paymentsample::addCheque;
        addCheque(*db, {1, QStringLiteral("7001"), c1, QDate(2025, 3, 20), 6000});
        addCheque(*db, {2, QStringLiteral("7002"), c2, QDate(2025, 3, 21), 1250, true, true});
        addAllocation(*db, {1, i1, 1, 4000});
        addAllocation(*db, {1, i2, 2, 1500, 500, 25});
    }

    void csvHasOneLinePerInvoicePaid()
    {
        const ProgramRun csv =
            payments({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv")});
        QVERIFY2(csv.exitCode == 0, qPrintable(csv.err));
        const QStringList lines = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(
            lines,
            (QStringList{QStringLiteral("ChequeNo,CustomerNo,PaymentDate,ChequeAmount,Posted,"
                                        "Reconciled,InvoiceNo,AmountPaid,DiscountTaken,WriteOff"),
                         QStringLiteral("7002,%1,2025-03-21,12.5000,Yes,Yes,,,,").arg(customer2_),
                         QStringLiteral("7001,%1,2025-03-20,60.0000,No,No,%2,40.0000,0.0000,0.0000")
                             .arg(customer1_, invoice1_),
                         QStringLiteral("7001,%1,2025-03-20,60.0000,No,No,%2,15.0000,5.0000,0.2500")
                             .arg(customer1_, invoice2_)}));
    }

    void jsonNestsTheInvoicesOfEachCheque()
    {
        const ProgramRun json =
            payments({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json"),
                      QStringLiteral("--sort"), QStringLiteral("cheque")});
        QVERIFY2(json.exitCode == 0, qPrintable(json.err));
        QJsonParseError error;
        const QJsonArray cheques = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(cheques.size(), 2);
        const QJsonObject first = cheques[0].toObject();
        QCOMPARE(first[QStringLiteral("ChequeNo")].toString(), QStringLiteral("7001"));
        QCOMPARE(first[QStringLiteral("CustomerNo")].toString(), customer1_);
        QCOMPARE(first[QStringLiteral("PaymentDate")].toString(), QStringLiteral("2025-03-20"));
        QCOMPARE(first[QStringLiteral("ChequeAmount")].toString(), QStringLiteral("60.0000"));
        QCOMPARE(first[QStringLiteral("Posted")], QJsonValue(false));
        QCOMPARE(first[QStringLiteral("Reconciled")], QJsonValue(false));
        const QJsonArray invoices = first[QStringLiteral("invoices")].toArray();
        QCOMPARE(invoices.size(), 2);
        const QJsonObject second = invoices[1].toObject();
        QCOMPARE(second.keys(),
                 (QStringList{"AmountPaid", "DiscountTaken", "InvoiceNo", "WriteOff"}));
        QCOMPARE(second[QStringLiteral("InvoiceNo")].toString(), invoice2_);
        QCOMPARE(second[QStringLiteral("WriteOff")].toString(), QStringLiteral("0.2500"));
        QCOMPARE(cheques[1].toObject()[QStringLiteral("invoices")].toArray().size(), 0);
        QCOMPARE(cheques[1].toObject()[QStringLiteral("Posted")], QJsonValue(true));
    }

    void filtersAndTable()
    {
        const ProgramRun posted =
            payments({QStringLiteral("list"), QStringLiteral("--posted"), QStringLiteral("yes"),
                      QStringLiteral("--format"), QStringLiteral("csv")});
        QCOMPARE(posted.out.count(QLatin1Char('\n')), 2);
        QVERIFY(posted.out.contains(QStringLiteral("\n7002,")));
        const ProgramRun mine =
            payments({QStringLiteral("list"), QStringLiteral("--customer"), customer1_,
                      QStringLiteral("--date"), QStringLiteral("2025-03-20")});
        QCOMPARE(mine.exitCode, 0);
        QVERIFY(mine.out.startsWith(QStringLiteral("Date")));
        QVERIFY(mine.out.contains(QStringLiteral("Check no.")));
        QVERIFY(mine.out.contains(QStringLiteral("20 Mar 25  7001")));
        QVERIFY(mine.out.contains(QStringLiteral("1 payment(s)")));

        const ProgramRun nobody =
            payments({QStringLiteral("list"), QStringLiteral("--customer"), QStringLiteral("x'")});
        QCOMPARE(nobody.exitCode, 1);
        QVERIFY(nobody.err.contains(QStringLiteral("Customer no. 'x'' not found")));
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("list"), QStringLiteral("--format"),
                          QStringLiteral("xml")},
              QStringList{QStringLiteral("list"), QStringLiteral("--date"),
                          QStringLiteral("2025-02-30")},
              QStringList{QStringLiteral("delete")}, QStringList{QStringLiteral("pay")}})
            QCOMPARE(payments(wrong).exitCode, 2);
    }

    void reconcileAndDelete()
    {
        const ProgramRun off = payments({QStringLiteral("reconcile"), QStringLiteral("--cheque"),
                                         QStringLiteral("7002"), QStringLiteral("off")});
        QVERIFY2(off.exitCode == 0, qPrintable(off.err));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARPmt WHERE Reconciled = true")),
                 qint64(0));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARPmt WHERE Posted = true")),
                 qint64(1));

        const ProgramRun refused = payments({QStringLiteral("delete"), QStringLiteral("--cheque"),
                                             QStringLiteral("7002"), QStringLiteral("--yes")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(
                     QStringLiteral("A Payment that has been Posted\ncan't be deleted!")),
                 qPrintable(refused.err));
        const ProgramRun wrongCustomer =
            payments({QStringLiteral("delete"), QStringLiteral("--cheque"), QStringLiteral("7001"),
                      QStringLiteral("--customer"), customer2_, QStringLiteral("--yes")});
        QCOMPARE(wrongCustomer.exitCode, 1);
        QCOMPARE(wrongCustomer.err.trimmed(), QStringLiteral("There is no cheque 7001."));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInvPmt")), qint64(2));

        const ProgramRun deleted =
            payments({QStringLiteral("delete"), QStringLiteral("--cheque"), QStringLiteral("7001"),
                      QStringLiteral("--customer"), customer1_, QStringLiteral("--yes")});
        QVERIFY2(deleted.exitCode == 0, qPrintable(deleted.err));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARPmt")), qint64(1));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInvPmt")), qint64(0));
    }
};

QTEST_MAIN(TestPaymentsCommand)
#include "test_paymentscommand.moc"

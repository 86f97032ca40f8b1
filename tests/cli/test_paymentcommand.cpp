// tallywick payment add, run as a bookkeeper would on a month of a small sample program whose
// invoices are posted: a cheque applied to an invoice is stored; one the rules refuse prints
// their message, exits with 1 and stores nothing; the cheque amount question is answered with
// --yes or refused without an answer; --pay-discount takes the early-payment discount. The
// payment rules are tested on both engines in tests/receivables; the command works on the
// embedded database.
#include "engine/database.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QTest>

class TestPaymentCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun payment(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("payment"), QStringLiteral("add")} + more);
    }
    qint64 number(const QString& sql) { return month_.number(sql); }
    // The n-th posted invoice (by key): its number and its customer's number.
    QString invoiceNo(int n)
    {
        return month_.text(QStringLiteral("SELECT InvoiceNo FROM ARInv ORDER BY ARInvoiceID "
                                          "LIMIT 1 OFFSET %1")
                               .arg(n));
    }
    QString customerOf(int n)
    {
        return month_.text(QStringLiteral("SELECT C.CustomerNo FROM ARInv I JOIN Customer C ON "
                                          "C.CustomerID = I.CustomerID ORDER BY I.ARInvoiceID "
                                          "LIMIT 1 OFFSET %1")
                               .arg(n));
    }
    qint64 payments() { return number(QStringLiteral("SELECT COUNT(*) FROM ARPmt")); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        month_.open()->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        const ProgramRun posted = month_.onData(
            {QStringLiteral("post"), QStringLiteral("invoices"), QStringLiteral("--yes")});
        QVERIFY2(posted.exitCode == 0, qPrintable(posted.err));
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Posted = true")) >= 3);
    }

    // A cheque that the allocations do not add up to is refused with the rules' own words; one
    // that they do is stored with its line.
    void storesAChequeAndRefusesAnUnallocatedOne()
    {
        const QString customer = customerOf(0);
        const QString invoice = invoiceNo(0);
        const ProgramRun refused =
            payment({QStringLiteral("--customer"), customer, QStringLiteral("--cheque"),
                     QStringLiteral("4411"), QStringLiteral("--amount"), QStringLiteral("10"),
                     QStringLiteral("--apply"), invoice + QStringLiteral("=6.50")});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err.trimmed(),
                 QStringLiteral("The total of payment(s) must equal the check amount.\nThe check "
                                "amount is 10.00\nYour payment total is 6.50\n3.50 has yet to be "
                                "allocated."));
        QCOMPARE(payments(), 0);

        QVERIFY(customerOf(1) != customer);
        const ProgramRun otherCustomers =
            payment({QStringLiteral("--customer"), customer, QStringLiteral("--cheque"),
                     QStringLiteral("4411"), QStringLiteral("--date"), QStringLiteral("2025-04-02"),
                     QStringLiteral("--amount"), QStringLiteral("10"), QStringLiteral("--apply"),
                     invoice + QStringLiteral("=6.50"), QStringLiteral("--apply"),
                     invoiceNo(1) + QStringLiteral("=3.50")});
        // Another customer's invoice is no invoice of this cheque.
        QCOMPARE(otherCustomers.exitCode, 1);
        QCOMPARE(otherCustomers.err.trimmed(),
                 QStringLiteral("Invoice no. %1 not found.").arg(invoiceNo(1)));
        QCOMPARE(payments(), 0);
        const ProgramRun one =
            payment({QStringLiteral("--customer"), customer, QStringLiteral("--cheque"),
                     QStringLiteral("4411"), QStringLiteral("--date"), QStringLiteral("2025-04-02"),
                     QStringLiteral("--amount"), QStringLiteral("10"), QStringLiteral("--apply"),
                     invoice + QStringLiteral("=10")});
        QVERIFY2(one.exitCode == 0, qPrintable(one.err));
        QVERIFY2(one.out.trimmed().endsWith(QStringLiteral(": cheque 4411 from customer %1 for "
                                                           "10.00 on 1 invoice(s).")
                                                .arg(customer)),
                 qPrintable(one.out));
        QCOMPARE(payments(), 1);
        QCOMPARE(month_.text(QStringLiteral("SELECT PaymentDate FROM ARPmt")),
                 QStringLiteral("2025-04-02"));
        QCOMPARE(number(QStringLiteral("SELECT ChequeAmount FROM ARPmt")), 100000);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInvPmt P JOIN ARInv I ON "
                                       "I.ARInvoiceID = P.ARInvoiceID WHERE P.Seq = 1 AND "
                                       "P.PaymentAmount = 100000 AND I.InvoiceNo = '%1'")
                            .arg(invoice)),
                 1);

        // The same invoice twice on one cheque, and a malformed amount.
        const ProgramRun twice =
            payment({QStringLiteral("--customer"), customer, QStringLiteral("--cheque"),
                     QStringLiteral("4412"), QStringLiteral("--pay"), invoice,
                     QStringLiteral("--pay"), invoice, QStringLiteral("--yes")});
        QCOMPARE(twice.exitCode, 1);
        QCOMPARE(twice.err.trimmed(),
                 QStringLiteral("Invoice '%1' has already had this payment applied to it.")
                     .arg(invoice));
        QCOMPARE(payment({QStringLiteral("--apply"), invoice + QStringLiteral("=ten")}).exitCode,
                 2);
        // A date is written yyyy-mm-dd, as on the other commands; nothing else is guessed at.
        const ProgramRun slashed =
            payment({QStringLiteral("--customer"), customer, QStringLiteral("--cheque"),
                     QStringLiteral("4413"), QStringLiteral("--date"), QStringLiteral("2025/04/02"),
                     QStringLiteral("--pay"), invoice});
        QCOMPARE(slashed.exitCode, 2);
        QVERIFY2(slashed.err.startsWith(QStringLiteral("The date is written yyyy-mm-dd, such as "
                                                       "2025-03-31, not 2025/04/02.\nUsage: ")),
                 qPrintable(slashed.err));
        QCOMPARE(payments(), 1);
    }

    // Without --amount the cheque amount question is asked: unanswered nothing is stored; with
    // --yes the cheque is the sum paid. --pay-discount pays what is owed less the discount.
    void payTakeDiscountWithTheChequeAmountConfirmed()
    {
        const QString invoice = invoiceNo(2);
        const QString customer = customerOf(2);
        auto db = month_.open();
        db->exec(QStringLiteral("UPDATE ARInv SET DiscPC = 2, DiscDays = 10 WHERE InvoiceNo = "
                                "'%1'")
                     .arg(invoice));
        const qint64 owing =
            number(QStringLiteral("SELECT Owing FROM ARInv WHERE InvoiceNo = '%1'").arg(invoice));
        const qint64 amount = number(
            QStringLiteral("SELECT InvoiceAmount FROM ARInv WHERE InvoiceNo = '%1'").arg(invoice));
        const qint64 discount = qRound64(amount * 0.02 / 100) * 100; // to cents
        QVERIFY(discount > 0);

        const QStringList args{QStringLiteral("--customer"),     customer,
                               QStringLiteral("--cheque"),       QStringLiteral("7001"),
                               QStringLiteral("--pay-discount"), invoice};
        const qint64 before = payments();
        const ProgramRun unanswered = payment(args);
        QCOMPARE(unanswered.exitCode, 1);
        QVERIFY2(unanswered.err.contains(QStringLiteral("Is this correct?\nAnswer with --yes or "
                                                        "--no.")),
                 qPrintable(unanswered.err));
        const ProgramRun declined = payment(args + QStringList{QStringLiteral("--no")});
        QCOMPARE(declined.exitCode, 1);
        QVERIFY(declined.err.contains(QStringLiteral("give the cheque amount with --amount")));
        QCOMPARE(payments(), before);

        const ProgramRun run = payment(args + QStringList{QStringLiteral("--yes")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("Check amount is ")), qPrintable(run.out));
        QCOMPARE(payments(), before + 1);
        QCOMPARE(number(QStringLiteral("SELECT ChequeAmount FROM ARPmt WHERE ChequeNo = '7001'")),
                 owing - discount);
        QCOMPARE(number(QStringLiteral("SELECT P.DiscTakenAmount FROM ARInvPmt P JOIN ARPmt H ON "
                                       "H.PaymentID = P.PaymentID WHERE H.ChequeNo = '7001'")),
                 discount);
    }
};

QTEST_GUILESS_MAIN(TestPaymentCommand)
#include "test_paymentcommand.moc"

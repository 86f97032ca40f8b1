// tallywick report aged on a month of a small sample program whose invoices are posted: the csv
// holds exactly the lines the report prints, in its order, with the age columns and the domestic
// amount; the selection options narrow it; wrong options are refused and write nothing. The
// report's rules are tested on both engines in tests/reports; the command works on the embedded
// database.
#include "engine/database.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QFile>
#include <QTest>

class TestReportCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;
    QString customerNo_;
    QStringList invoiceNos_;

    ProgramRun aged(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("report"), QStringLiteral("aged"),
                                         QStringLiteral("--as-of"), QStringLiteral("2025-03-31")} +
                             more);
    }
    QString readAll(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(in.readAll())
                                                              : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = month_.open();
        db->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        const ProgramRun posted = month_.onData(
            {QStringLiteral("post"), QStringLiteral("invoices"), QStringLiteral("--yes")});
        QVERIFY2(posted.exitCode == 0, qPrintable(posted.err));

        // Three invoices of one customer left owing, on the age boundaries and in credit; the
        // customer's currency converts at 1.25; everything else paid.
        const QString customerId = month_.text(
            QStringLiteral("SELECT CustomerID FROM ARInv ORDER BY ARInvoiceID LIMIT 1"));
        customerNo_ =
            month_.text(QStringLiteral("SELECT CustomerNo FROM Customer WHERE CustomerID = %1")
                            .arg(customerId));
        db->exec(QStringLiteral("UPDATE ARInv SET Owing = 0"));
        db->exec(QStringLiteral("UPDATE Currency SET ExchangeRate = 1.25 WHERE CurrencyID = "
                                "(SELECT CurrencyID FROM Customer WHERE CustomerID = %1)")
                     .arg(customerId));
        const QStringList planted[] = {
            {QStringLiteral("2025-03-01"), QStringLiteral("1200000"), QStringLiteral("400100")},
            {QStringLiteral("2024-12-30"), QStringLiteral("800000"), QStringLiteral("800000")},
            {QStringLiteral("2025-04-05"), QStringLiteral("-75000"), QStringLiteral("-75000")}};
        for (int n = 0; n < 3; ++n) {
            const QString id = month_.text(
                QStringLiteral(
                    "SELECT ARInvoiceID FROM ARInv ORDER BY ARInvoiceID LIMIT 1 OFFSET %1")
                    .arg(n));
            db->exec(QStringLiteral("UPDATE ARInv SET CustomerID = %1, InvoiceDate = '%2', "
                                    "InvoiceAmount = %3, Owing = %4 WHERE ARInvoiceID = %5")
                         .arg(customerId, planted[n][0], planted[n][1], planted[n][2], id));
            invoiceNos_ << month_.text(
                QStringLiteral("SELECT InvoiceNo FROM ARInv WHERE ARInvoiceID = %1").arg(id));
        }
    }

    void csvHoldsThePrintedLines()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("aged.pdf"));
        const QString csv = month_.scratchPath(QStringLiteral("aged.csv"));
        const ProgramRun run = aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("of 3 invoice(s) on 1 page(s)")));
        QVERIFY(QFile(pdf).size() > 0);
        const QString header = QStringLiteral("CustomerNo,InvoiceNo,InvoiceDate,Age,InvoiceAmount,"
                                              "Owing,Current,Over30,Over60,Over90,OwingDomestic\n");
        // Oldest first; 40.01 x 1.25 and -7.50 x 1.25 rounded to cents away from zero.
        const QString lines =
            QStringLiteral("%1,%2,2024-12-30,91,80.0000,80.0000,,,,80.0000,100.0000\n"
                           "%1,%3,2025-03-01,30,120.0000,40.0100,40.0100,,,,50.0100\n"
                           "%1,%4,2025-04-05,-5,-7.5000,-7.5000,-7.5000,,,,-9.3800\n")
                .arg(customerNo_, invoiceNos_[1], invoiceNos_[0], invoiceNos_[2]);
        QCOMPARE(readAll(csv), header + lines);

        // One customer: the same lines; a minimum owing above the 112.51 owed: none.
        QCOMPARE(aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv,
                       QStringLiteral("--customer"), customerNo_})
                     .exitCode,
                 0);
        QCOMPARE(readAll(csv), header + lines);
        QCOMPARE(aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv,
                       QStringLiteral("--min-owing"), QStringLiteral("112.52")})
                     .exitCode,
                 0);
        QCOMPARE(readAll(csv), header);
        QCOMPARE(aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv,
                       QStringLiteral("--min-owing"), QStringLiteral("112.51"),
                       QStringLiteral("--min-days"), QStringLiteral("91")})
                     .exitCode,
                 0);
        QCOMPARE(readAll(csv), header + lines);
    }

    void wrongOptionsWriteNothing()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("refused.pdf"));
        const QString csv = month_.scratchPath(QStringLiteral("refused.csv"));
        const ProgramRun noCustomer =
            aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv,
                  QStringLiteral("--customer"), QStringLiteral("no-such")});
        QCOMPARE(noCustomer.exitCode, 1);
        QVERIFY(!noCustomer.err.isEmpty());
        const ProgramRun noCurrency = aged(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--currency"), QStringLiteral("999")});
        QCOMPARE(noCurrency.exitCode, 1);
        QCOMPARE(noCurrency.err.trimmed(), QStringLiteral("There is no currency 999."));
        // Both wrong: the currency is the one named.
        const ProgramRun neither =
            aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--currency"), QStringLiteral("999"),
                  QStringLiteral("--customer"), QStringLiteral("no-such")});
        QCOMPARE(neither.exitCode, 1);
        QCOMPARE(neither.err.trimmed(), QStringLiteral("There is no currency 999."));
        const ProgramRun negativeDays = aged(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--min-days"), QStringLiteral("-1")});
        QCOMPARE(negativeDays.exitCode, 2);
        QVERIFY2(negativeDays.err.contains(
                     QStringLiteral("--min-days takes a whole number of days, not -1.")),
                 qPrintable(negativeDays.err));
        QCOMPARE(aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--min-owing"),
                       QStringLiteral("-5")})
                     .exitCode,
                 2);
        QCOMPARE(aged({QStringLiteral("--pdf"), pdf, QStringLiteral("--min-days"),
                       QStringLiteral("ten")})
                     .exitCode,
                 2);
        QCOMPARE(aged({QStringLiteral("--csv"), csv}).exitCode, 2);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!QFile::exists(csv));
    }
};

QTEST_MAIN(TestReportCommand)
#include "test_reportcommand.moc"

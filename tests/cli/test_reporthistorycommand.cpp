// tallywick report history on a month of a small sample program: the period's invoices to a
// PDF, a period without documents, and the options it refuses without writing anything. The
// report's rules are tested on both engines in tests/reports; the command works on the embedded
// database.
#include "programrun.h"
#include "samplemonth.h"

#include <QFile>
#include <QTest>

class TestReportHistoryCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;
    QString period_;
    QString year_;

    ProgramRun history(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("report"), QStringLiteral("history")} +
                             more);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        period_ = month_.text(QStringLiteral("SELECT GLPeriod FROM ARInv ORDER BY ARInvoiceID"));
        year_ = month_.text(QStringLiteral("SELECT GLYear FROM ARInv ORDER BY ARInvoiceID"));
        QVERIFY(!period_.isEmpty() && !year_.isEmpty());
    }

    void periodToPdf()
    {
        const qint64 documents = month_.number(
            QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE GLYear = %1 AND GLPeriod = %2")
                .arg(year_, period_));
        QVERIFY(documents > 0);
        const QString pdf = month_.scratchPath(QStringLiteral("history.pdf"));
        const ProgramRun run =
            history({QStringLiteral("--period"), period_, QStringLiteral("--year"), year_,
                     QStringLiteral("--pdf"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("of %1 document(s)").arg(documents)),
                 qPrintable(run.out));
        QVERIFY(QFile(pdf).size() > 0);

        // A year without documents still prints its heading and empty totals.
        const QString empty = month_.scratchPath(QStringLiteral("empty.pdf"));
        const ProgramRun none =
            history({QStringLiteral("--period"), period_, QStringLiteral("--year"),
                     QStringLiteral("1999"), QStringLiteral("--pdf"), empty});
        QVERIFY2(none.exitCode == 0, qPrintable(none.err));
        QVERIFY(none.out.contains(QStringLiteral("of 0 document(s) on 1 page(s)")));
    }

    // Half a period is refused without writing anything; no period at all is the current
    // month's; an option of the other reports is noted and passed over.
    void periodOptions()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("refused.pdf"));
        const ProgramRun noPeriod =
            history({QStringLiteral("--year"), year_, QStringLiteral("--pdf"), pdf});
        QCOMPARE(noPeriod.exitCode, 2);
        QVERIFY(noPeriod.err.contains(QStringLiteral("--period PP --year YYYY")));
        QCOMPARE(
            history({QStringLiteral("--period"), period_, QStringLiteral("--pdf"), pdf}).exitCode,
            2);
        // A month and a year out of range say what the option takes.
        const ProgramRun month13 =
            history({QStringLiteral("--period"), QStringLiteral("13"), QStringLiteral("--year"),
                     year_, QStringLiteral("--pdf"), pdf});
        QCOMPARE(month13.exitCode, 2);
        QVERIFY2(month13.err.contains(QStringLiteral("--period takes a month, 1 to 12, not 13.")),
                 qPrintable(month13.err));
        const ProgramRun shortYear =
            history({QStringLiteral("--period"), period_, QStringLiteral("--year"),
                     QStringLiteral("99"), QStringLiteral("--pdf"), pdf});
        QCOMPARE(shortYear.exitCode, 2);
        QVERIFY2(
            shortYear.err.contains(QStringLiteral("--year takes a year of four digits, not 99.")),
            qPrintable(shortYear.err));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(history({QStringLiteral("--period"), period_, QStringLiteral("--year"), year_,
                          QStringLiteral("--csv"), month_.scratchPath(QStringLiteral("h.csv")),
                          QStringLiteral("--pdf"), pdf})
                     .exitCode,
                 2);
        QVERIFY(!QFile::exists(pdf));

        const ProgramRun current = history({QStringLiteral("--pdf"), pdf});
        QVERIFY2(current.exitCode == 0, qPrintable(current.err));
        QVERIFY(QFile::exists(pdf));
        const ProgramRun asOf =
            history({QStringLiteral("--period"), period_, QStringLiteral("--year"), year_,
                     QStringLiteral("--as-of"), QStringLiteral("2025-03-31"),
                     QStringLiteral("--pdf"), pdf});
        QVERIFY2(asOf.exitCode == 0, qPrintable(asOf.err));
        QVERIFY(asOf.err.contains(
            QStringLiteral("The history report does not use --as-of; it is passed over.")));
    }
};

QTEST_MAIN(TestReportHistoryCommand)
#include "test_reporthistorycommand.moc"

// tallywick report statements and report labels on a month of a small sample program: the
// statements go to a PDF, one customer's alone; labels need the template and may be skipped;
// wrong options are refused and write nothing. The rules are tested on both engines in
// tests/reports; the commands work on the embedded database.
#include "engine/database.h"
#include "pdfreading.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QFile>
#include <QTest>

class TestReportStatementsCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;
    QString customerNo_;

    ProgramRun report(const QString& name, const QStringList& more, const QStringList& before = {})
    {
        return month_.onData(before +
                             QStringList{QStringLiteral("report"), name, QStringLiteral("--as-of"),
                                         QStringLiteral("2025-03-31")} +
                             more);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = month_.open();
        db->exec(QStringLiteral("UPDATE Customer SET PrintStatement = true"));
        customerNo_ = month_.text(
            QStringLiteral("SELECT C.CustomerNo FROM ARInv I JOIN Customer C ON C.CustomerID ="
                           " I.CustomerID ORDER BY I.ARInvoiceID LIMIT 1"));
    }

    void statementsGoToAPdf()
    {
        const qint64 owing = month_.number(
            QStringLiteral("SELECT COUNT(DISTINCT CustomerID) FROM ARInv WHERE Owing <> 0"));
        QVERIFY(owing > 1);
        const QString pdf = month_.scratchPath(QStringLiteral("statements.pdf"));
        const ProgramRun all = report(QStringLiteral("statements"), {QStringLiteral("--pdf"), pdf});
        QVERIFY2(all.exitCode == 0, qPrintable(all.err));
        // One page for each customer who owes.
        QVERIFY2(all.out.contains(QStringLiteral("on %1 page(s)").arg(owing)), qPrintable(all.out));
        QVERIFY(QFile(pdf).size() > 0);

        const ProgramRun one =
            report(QStringLiteral("statements"),
                   {QStringLiteral("--pdf"), pdf, QStringLiteral("--customer"), customerNo_});
        QVERIFY2(one.exitCode == 0, qPrintable(one.err));
        QVERIFY(one.out.contains(QStringLiteral("on 1 page(s)")));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Statement")));
        QVERIFY(text.contains(customerNo_));
    }

    void labelsNeedTheTemplateAndMayBeSkipped()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("labels.pdf"));
        const ProgramRun missing = report(QStringLiteral("labels"), {QStringLiteral("--pdf"), pdf});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains(QStringLiteral("ARLabel.rtm could not be found.")));
        QVERIFY(!QFile::exists(pdf));

        QVERIFY(QFile::copy(QStringLiteral(TALLYWICK_DOCS_DIR "/ARLabel.rtm"),
                            month_.data() + QStringLiteral("/ARLabel.rtm")));
        const ProgramRun skipped = report(QStringLiteral("labels"), {QStringLiteral("--pdf"), pdf},
                                          {QStringLiteral("--no")});
        QCOMPARE(skipped.exitCode, 0);
        QVERIFY(skipped.out.contains(QStringLiteral("No labels were printed.")));
        QVERIFY(!QFile::exists(pdf));

        const ProgramRun printed = report(QStringLiteral("labels"), {QStringLiteral("--pdf"), pdf});
        QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
        QVERIFY(printed.out.contains(QStringLiteral("labels on 1 page(s)")));
        QVERIFY(QFile(pdf).size() > 0);
    }

    void wrongOptionsWriteNothing()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("refused.pdf"));
        const ProgramRun csv = report(QStringLiteral("statements"),
                                      {QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"),
                                       month_.scratchPath(QStringLiteral("s.csv"))});
        QCOMPARE(csv.exitCode, 2);
        QVERIFY(csv.err.contains(QStringLiteral("The statements report does not take --csv.")));
        QCOMPARE(
            report(QStringLiteral("labels"), {QStringLiteral("--pdf"), pdf,
                                              QStringLiteral("--min-days"), QStringLiteral("-1")})
                .exitCode,
            2);
        QCOMPARE(report(QStringLiteral("statements"), {}).exitCode, 2);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestReportStatementsCommand)
#include "test_reportstatementscommand.moc"

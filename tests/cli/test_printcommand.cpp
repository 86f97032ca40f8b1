// tallywick print invoices, run as a bookkeeper would on a month of a small sample program: the
// PDF holds every invoice's number, customer and amount (read back with pdftotext); the flags
// change only when told; the refusals and the empty batch exit as they should. The print
// run's rules are tested on both engines in tests/reports; the command works on the embedded
// database.
#include "common/formats.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "pdfreading.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPrintCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun print(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("print"), QStringLiteral("invoices")} +
                             more);
    }
    QString file(const QString& name) const { return month_.scratchPath(name); }
    std::unique_ptr<Database> open() { return month_.open(); }
    qint64 number(const QString& sql) { return month_.number(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(30);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")) > 3);
    }

    // Every invoice is in the file with its number, its customer and its amount, and nothing is
    // marked printed without --mark-printed yes.
    void printsEveryInvoiceToThePdf()
    {
        const QString pdf = file(QStringLiteral("march.pdf"));
        const ProgramRun run = print({QStringLiteral("--pdf"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("XDG_RUNTIME_DIR")), qPrintable(run.err));
        const qint64 invoices = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        QVERIFY(run.out.contains(QStringLiteral("%1 invoice(s) to be printed").arg(invoices)));
        QVERIFY(run.out.contains(QStringLiteral("Marked 0 invoice(s) printed.")));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = true")), 0);

        const QString text = pdfText(pdf);
        auto db = open();
        Statement s = db->query(
            QStringLiteral("SELECT I.InvoiceNo, C.CustomerName, I.InvoiceAmount FROM ARInv I "
                           "JOIN Customer C ON C.CustomerID = I.CustomerID"));
        s.exec();
        int checked = 0;
        while (s.next()) {
            const QString amount = formatFloat(
                kMoneyListFormat, s.money(QStringLiteral("InvoiceAmount")), FormatSettings::us());
            for (const QString& wanted : {s.text(0), s.text(1), amount})
                QVERIFY2(text.contains(wanted), qPrintable(wanted));
            ++checked;
        }
        QCOMPARE(checked, int(invoices));
        QVERIFY(pdfPageCount(pdf) >= invoices);
    }

    // Two copies are two collated sets in one file; copies of 0 print one.
    void copiesRepeatTheBatch()
    {
        const QString one = file(QStringLiteral("one.pdf"));
        const QString two = file(QStringLiteral("two.pdf"));
        const QString none = file(QStringLiteral("none.pdf"));
        QCOMPARE(print({QStringLiteral("--pdf"), one}).exitCode, 0);
        QCOMPARE(
            print({QStringLiteral("--pdf"), two, QStringLiteral("--copies"), QStringLiteral("2")})
                .exitCode,
            0);
        QCOMPARE(
            print({QStringLiteral("--pdf"), none, QStringLiteral("--copies"), QStringLiteral("0")})
                .exitCode,
            0);
        QCOMPARE(pdfPageCount(two), 2 * pdfPageCount(one));
        QCOMPARE(pdfPageCount(none), pdfPageCount(one));
    }

    // One invoice; a reprint leaves the flags alone; marking makes the next run empty, which
    // says so and succeeds.
    void marksOnlyWhenToldAndThenHasNothingToPrint()
    {
        const QString first = QString::number(
            number(QStringLiteral("SELECT MIN(CAST(InvoiceNo AS INTEGER)) FROM ARInv")));
        const QString single = file(QStringLiteral("single.pdf"));
        ProgramRun run = print({QStringLiteral("--invoice"), first, QStringLiteral("--pdf"), single,
                                QStringLiteral("--mark-printed"), QStringLiteral("yes")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("1 invoice(s) to be printed")));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = true")), 1);
        QVERIFY(pdfText(single).contains(first));

        const QString all = file(QStringLiteral("reprint.pdf"));
        run = print({QStringLiteral("--reprint"), QStringLiteral("--pdf"), all,
                     QStringLiteral("--mark-printed"), QStringLiteral("yes")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Marked 0 invoice(s) printed.")));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = true")), 1);

        run = print({QStringLiteral("--pdf"), file(QStringLiteral("rest.pdf")),
                     QStringLiteral("--mark-printed"), QStringLiteral("yes")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = false")), 0);
        const QString empty = file(QStringLiteral("empty.pdf"));
        run = print({QStringLiteral("--pdf"), empty});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("0 invoice(s) to be printed")));
        QVERIFY(!QFile::exists(empty));
        // Put the flags back for the other cases.
        open()->exec(QStringLiteral("UPDATE ARInv SET Printed = false"));
    }

    // The mail-merge file has its header and one line per invoice; labels without a template
    // warn and still print the invoices.
    void mailMergeAndLabels()
    {
        const QString csv = file(QStringLiteral("addressees.csv"));
        ProgramRun run = print({QStringLiteral("--pdf"), file(QStringLiteral("mm.pdf")),
                                QStringLiteral("--mail-merge"), csv});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(),
                 QStringLiteral("ShipToName,Contact,AddressLine1,AddressLine2,City,StateProv,"
                                "ZIPCode,Country"));
        QCOMPARE(lines.size() - 1, int(number(QStringLiteral("SELECT COUNT(*) FROM ARInv"))));

        const QString labels = file(QStringLiteral("labels.pdf"));
        run = print({QStringLiteral("--pdf"), file(QStringLiteral("l.pdf")),
                     QStringLiteral("--labels-pdf"), labels});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains(QStringLiteral("The report template ")) &&
                     run.err.contains(QStringLiteral("ARLabel.rtm could not be found.")),
                 qPrintable(run.err));

        // With the example template in the data folder, one label per invoice.
        QVERIFY(QFile::copy(QStringLiteral(TALLYWICK_DOCS_DIR "/ARLabel.rtm"),
                            QDir(month_.data()).filePath(QStringLiteral("ARLabel.rtm"))));
        run = print({QStringLiteral("--pdf"), file(QStringLiteral("l2.pdf")),
                     QStringLiteral("--labels-pdf"), labels});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(pdfPageCount(labels) >= 1);
        QVERIFY(run.out.contains(QStringLiteral("Labels: ")));
    }

    void refusesWhatItCannotDo()
    {
        const QList<QPair<QStringList, QString>> cases = {
            {{}, "Name where the invoices go with --pdf FILE or --printer NAME."},
            {{"--pdf", "a.pdf", "--printer", "Front desk"},
             "Use either --pdf or --printer, not both."},
            {{"--pdf", "a.pdf", "--sort", "date"}, "--sort takes number, id or name, not date."},
            {{"--pdf", "a.pdf", "--copies", "two"}, "--copies takes a whole number, not two."},
            {{"--pdf", "a.pdf", "--mark-printed", "maybe"},
             "--mark-printed takes yes or no, not maybe."},
            {{"--pdf", "a.pdf", "--labels-pdf", "b.pdf", "--mail-merge", "c.csv"},
             "Use either --labels-pdf or --mail-merge, not both."},
            {{"--pdf", "a.pdf", "--colour"}, "--colour needs a value."},
        };
        for (const auto& [args, message] : cases) {
            const ProgramRun run = print(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        }
        const ProgramRun missing = print({QStringLiteral("--invoice"), QStringLiteral("1"),
                                          QStringLiteral("--pdf"), file(QStringLiteral("x.pdf"))});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains(QStringLiteral("There is no invoice 1.")));
        const ProgramRun noPrinter =
            print({QStringLiteral("--printer"), QStringLiteral("No such printer")});
        QCOMPARE(noPrinter.exitCode, 1);
        QVERIFY2(
            noPrinter.err.contains(QStringLiteral("There is no printer named No such printer.")),
            qPrintable(noPrinter.err));
        const ProgramRun unwritable =
            print({QStringLiteral("--pdf"), QStringLiteral("/nonexistent-folder/x.pdf")});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY2(unwritable.err.contains(QStringLiteral("could not be written")),
                 qPrintable(unwritable.err));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "test_printcommand.moc"

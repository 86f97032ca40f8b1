// tallywick generate, run as a bookkeeper would run it on a small sample program: what it prints,
// what it leaves in the database, and its exit status. The run's own rules are tested in
// tests/billing on both engines; the command only works on the embedded database.
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "programrun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

using Run = ProgramRun;

// The invoice lines printed under `heading`, and the "Total:" line that ends them.
struct Listing {
    QStringList invoices;
    QString total;
};

Listing listing(const QString& out, const QString& heading)
{
    Listing l;
    const QStringList lines = out.split(QLatin1Char('\n'));
    qsizetype i = lines.indexOf(heading);
    if (i < 0)
        return l;
    while (++i < lines.size() && lines[i].startsWith(QLatin1String("  ")))
        l.invoices << lines[i];
    if (i < lines.size())
        l.total = lines[i];
    return l;
}

const QString kWrittenHeading = QStringLiteral("Invoices written:");
const QString kPreviewHeading = QStringLiteral("Invoices the run would write (nothing was saved):");

} // namespace

class TestGenerateCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir scratch_;
    QString data_;
    const QStringList march_{QStringLiteral("generate"), QStringLiteral("--start"),
                             QStringLiteral("2025-03-01"), QStringLiteral("--end"),
                             QStringLiteral("2025-03-31")};

    Run tallywick(const QStringList& args)
    {
        return runProgram(QStringLiteral(TALLYWICK_PATH), args,
                          environmentWithHome(scratch_.path()));
    }
    // `tallywick --user Ann --data DATA generate` for March 2025 with `more`.
    Run generate(const QStringList& more)
    {
        return tallywick(QStringList{QStringLiteral("--user"), QStringLiteral("Ann"),
                                     QStringLiteral("--data"), data_} +
                         march_ + more);
    }

    qint64 number(const QString& sql)
    {
        auto db = Database::open(
            ConnectionParams::sqlite(QDir(data_).filePath(QStringLiteral("Hearthtable.db"))));
        Statement s = db->query(sql);
        s.exec();
        return s.next() ? s.integer(0) : -1;
    }
    // What a run may write or a preview must leave as it was.
    QList<qint64> snapshot()
    {
        QList<qint64> counts;
        for (const char* sql : {"SELECT COUNT(*) FROM ARInv", "SELECT COUNT(*) FROM ARInvDet",
                                "SELECT COUNT(*) FROM History", "SELECT COUNT(*) FROM Customer",
                                "SELECT COUNT(*) FROM Item", "SELECT NextInvoiceID FROM ARInvCtl",
                                "SELECT NextInvoiceNo FROM ARInvCtl"})
            counts << number(QString::fromLatin1(sql));
        return counts;
    }

private Q_SLOTS:
    // A sample month with its customers synchronized and its items not, so the run asks both
    // synchronization questions.
    void initTestCase()
    {
        data_ = scratch_.filePath(QStringLiteral("meals"));
        const Run demo = tallywick({QStringLiteral("demo"), data_, QStringLiteral("--clients"),
                                    QStringLiteral("20"), QStringLiteral("--period"),
                                    QStringLiteral("2025-03")});
        QVERIFY2(demo.exitCode == 0, qPrintable(demo.err));
        const Run sync = tallywick(
            {QStringLiteral("--data"), data_, QStringLiteral("sync"), QStringLiteral("customers")});
        QVERIFY2(sync.exitCode == 0, qPrintable(sync.err));
    }

    // Refused before the database is opened: the folder named does not even exist.
    void refusesWhatItCannotRead()
    {
        const QString missing = scratch_.filePath(QStringLiteral("nowhere"));
        const QList<QPair<QStringList, QString>> cases = {
            {{"--start", "2025-02-30", "--end", "2025-03-31"}, "--start needs a date"},
            {{"--start", "03/01/2025", "--end", "2025-03-31"}, "--start needs a date"},
            {{"--start", "2025-03-01", "--end", "2025-03-31", "--invoice-date", "tomorrow"},
             "--invoice-date needs a date"},
            {{"--start", "2025-03-01"}, "--start and --end"},
            {{"--start", "2025-03-31", "--end", "2025-03-01"}, "before it starts"},
            {{"--start", "2025-03-01", "--end", "2025-03-31", "--billing", "weekly"},
             "--billing takes meals, pledges or both, not weekly"},
            {{"--start", "2025-03-01", "--end", "2025-03-31", "--include", "12,soup"},
             "--include needs host item numbers"},
            {{"--start", "2025-03-01", "--end", "2025-03-31", "--include", "1", "--exclude", "2"},
             "not both"},
            {{"--start", "2025-03-01", "--end", "2025-03-31", "--sync-items", "maybe"},
             "--sync-items takes yes or no"},
        };
        for (const auto& [args, message] : cases) {
            const Run r = tallywick(
                QStringList{QStringLiteral("--data"), missing, QStringLiteral("generate")} + args);
            QVERIFY2(r.exitCode == 2, qPrintable(args.join(QLatin1Char(' ')) + r.err));
            QVERIFY2(r.err.contains(message), qPrintable(r.err));
            QVERIFY(r.err.contains(QStringLiteral("Usage: tallywick generate")));
        }
    }

    void questionsAreAnsweredOnlyByTheirFlags()
    {
        const QList<qint64> before = snapshot();

        const Run unanswered = generate({});
        QVERIFY(unanswered.exitCode != 0);
        QVERIFY2(unanswered.out.contains(QStringLiteral("Proceed with generating invoices for ")),
                 qPrintable(unanswered.out));
        QVERIFY2(unanswered.err.contains(QStringLiteral("pass --yes to answer Yes")),
                 qPrintable(unanswered.err));

        // --yes answers the first question; --sync-items no turns the items down, which ends
        // the run.
        const Run declined = generate(
            {QStringLiteral("--sync-items"), QStringLiteral("no"), QStringLiteral("--yes")});
        QVERIFY(declined.exitCode != 0);
        QVERIFY2(declined.out.contains(QStringLiteral("?\nAnswer: Yes (--yes)\n")),
                 qPrintable(declined.out));
        QVERIFY(declined.out.contains(QStringLiteral(
            "Synchronize Items generating invoices?\nAnswer: No (--sync-items no)\n")));
        QVERIFY2(declined.err.contains(
                     QStringLiteral("The Items table must be synchronized \nbefore invoices")),
                 qPrintable(declined.err));
        QVERIFY(!declined.out.contains(QStringLiteral("Synchronize Customers")));

        QCOMPARE(snapshot(), before);
    }

    // The preview lists what the run then writes, and writes nothing itself.
    void previewForetellsTheRun()
    {
        const QList<qint64> before = snapshot();
        const Run preview = generate({QStringLiteral("--yes"), QStringLiteral("--preview")});
        QVERIFY2(preview.exitCode == 0, qPrintable(preview.err));
        QCOMPARE(snapshot(), before);
        const Listing foretold = listing(preview.out, kPreviewHeading);
        QVERIFY2(!foretold.invoices.isEmpty(), qPrintable(preview.out));

        const Run run = generate({QStringLiteral("--yes")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("Synchronize Customers with Clients before "
                                                "generating invoices?\nAnswer: Yes (--yes)")));
        const qint64 invoices = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        QVERIFY2(
            run.out.contains(QStringLiteral("Completed generating %1 invoices.").arg(invoices)),
            qPrintable(run.out));
        const Listing written = listing(run.out, kWrittenHeading);
        QCOMPARE(written.invoices.size(), invoices);
        QVERIFY2(written.total.startsWith(
                     QStringLiteral("Total: %1 invoices, %2 lines, ")
                         .arg(invoices)
                         .arg(number(QStringLiteral("SELECT COUNT(*) FROM ARInvDet")))),
                 qPrintable(written.total));
        QCOMPARE(foretold.total, written.total);
        for (qsizetype i = 0; i < written.invoices.size(); ++i) // less the invoice number
            QCOMPARE(QStringLiteral("  ") + written.invoices[i].mid(13),
                     foretold.invoices.value(i));

        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM History WHERE \"User\" = 'Ann'")) > 0);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM History WHERE \"User\" <> 'Ann'")), 0);
    }

    void periodWithoutDeliveriesIsNoFailure()
    {
        const Run r = tallywick({QStringLiteral("--data"), data_, QStringLiteral("generate"),
                                 QStringLiteral("--start"), QStringLiteral("2024-01-01"),
                                 QStringLiteral("--end"), QStringLiteral("2024-01-31"),
                                 QStringLiteral("--yes")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("There are no client records in that period")),
                 qPrintable(r.out));
        QVERIFY(!r.out.contains(kWrittenHeading));
    }
};

QTEST_GUILESS_MAIN(TestGenerateCommand)
#include "test_generatecommand.moc"

// tallywick export statements, run as a bookkeeper would on a posted month of a small sample
// program: the file holds a line per customer who owes, as the options choose them, and the
// wrong words and an unwritable file fail without leaving a file. The export's rules are tested
// on both engines in tests/reports; the command works on the embedded database.
#include "engine/database.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QFile>
#include <QTest>

namespace
{

QList<QStringList> fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> lines;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines << line.split(QLatin1Char('\t'));
    return lines;
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun exportStatements(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("export"), QStringLiteral("statements")} +
                             more);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        month_.open()->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        const ProgramRun post =
            month_.onData({QStringLiteral("post"), QStringLiteral("invoices"), "--yes"});
        QVERIFY2(post.exitCode == 0, qPrintable(post.err));
        QVERIFY(month_.number(QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE Balance > 0")) >
                1);
    }

    // Every customer who owes, one line each, every line as long as the header; funders alone
    // when asked.
    void writesTheFile()
    {
        const QString path = month_.scratchPath(QStringLiteral("statements.txt"));
        const ProgramRun run = exportStatements({"--file", path, "--max", "3"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const qint64 owing =
            month_.number(QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE Balance > 0"));
        QVERIFY2(run.out.contains(QStringLiteral("Finished creating the mail-merge file.")),
                 qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("Wrote %1 customer(s) to ").arg(owing)),
                 qPrintable(run.out));
        const QList<QStringList> lines = fileLines(path);
        QCOMPARE(lines.size(), owing + 1);
        QCOMPARE(lines[0].last(), QStringLiteral("End Of Client Record"));
        QCOMPARE(lines[0][lines[0].size() - 2], QStringLiteral("Owing3"));
        for (const QStringList& line : lines) {
            QCOMPARE(line.size(), 22 + 8 * 3 + 1);
            if (&line != &lines[0])
                QCOMPARE(line.last(), QStringLiteral("End of Client ") + line[1]);
        }

        const ProgramRun funders = exportStatements(
            {"--file", path, "--kind", "funders", "--description", "Meals delivered"});
        QVERIFY2(funders.exitCode == 0, qPrintable(funders.err));
        const QList<QStringList> funderLines = fileLines(path);
        QCOMPARE(funderLines.size(),
                 month_.number(QStringLiteral(
                     "SELECT COUNT(*) FROM CBalance B JOIN Customer C ON C.CustomerID = "
                     "B.CustomerID WHERE B.Balance > 0 AND C.CustomerType = 'F'")) +
                     (funderLines.isEmpty() ? 0 : 1));
        for (const QStringList& line : funderLines.mid(1))
            QCOMPARE(line[20], QStringLiteral("F"));
    }

    // Wrong words are refused with the usage; a file that cannot be written is named and not
    // left behind.
    void refusals()
    {
        const QString path = month_.scratchPath(QStringLiteral("refused.txt"));
        for (const QStringList& words :
             {QStringList{"--file", path, "--max", "0"}, QStringList{"--file", path, "--max", "25"},
              QStringList{"--file", path, "--kind", "donors"}, QStringList{"--max", "2"},
              QStringList{"--file"}}) {
            const ProgramRun run = exportStatements(words);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains(QStringLiteral("Usage: tallywick export statements")),
                     qPrintable(run.err));
        }
        QVERIFY(!QFile::exists(path));

        const QString unwritable = month_.scratchPath(QStringLiteral("missing/statements.txt"));
        const ProgramRun run = exportStatements({"--file", unwritable});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(unwritable), qPrintable(run.err));
        QVERIFY(!QFile::exists(unwritable));
    }
};

QTEST_MAIN(TestExportCommand)
#include "test_exportcommand.moc"

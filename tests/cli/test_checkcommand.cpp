// tallywick check on a generated sample month: the books tie, and damage planted in a copy of
// the database is listed with exit status 3. The checks themselves are tested on both engines
// in tests/receivables; the command works on the embedded database here.
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCheckCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun check(const QString& data)
    {
        return month_.tallywick({QStringLiteral("--data"), data, QStringLiteral("check")});
    }
    // A copy of the sample's data folder, to damage without spoiling the sample.
    QString copyOfData(const QString& name)
    {
        const QString copy = month_.scratchPath(name);
        if (!QDir().mkpath(copy))
            return {};
        const QDir from(month_.data());
        for (const QString& file : from.entryList(QDir::Files)) {
            if (!QFile::copy(from.filePath(file), QDir(copy).filePath(file)))
                return {};
        }
        return copy;
    }
    static std::unique_ptr<Database> open(const QString& data)
    {
        return Database::open(
            ConnectionParams::sqlite(QDir(data).filePath(QStringLiteral("Hearthtable.db"))));
    }
    static QStringList row(Database& db, const QString& sql, int columns)
    {
        Statement s = db.query(sql);
        s.exec();
        QStringList values;
        if (s.next()) {
            for (int i = 0; i < columns; ++i)
                values << s.text(i);
        }
        return values;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(30);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void generatedBooksTie()
    {
        const ProgramRun run = check(month_.data());
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.endsWith(QStringLiteral("The books tie.\n")), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("Mode: file server\n")));
    }

    // A folder whose AR tables were never made: nothing to tie, and nothing is created.
    void aDatabaseWithoutBooks()
    {
        const QString empty = month_.scratchPath(QStringLiteral("empty"));
        QVERIFY(QDir().mkpath(empty));
        const ProgramRun run = check(empty);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.endsWith(QStringLiteral(
                     "No books yet: the AR tables have not been created (tallywick init "
                     "creates them).\n")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("Tables: 0\n")));
    }

    // An invoice a cent off its lines, posted without its balance, a number on two invoices
    // and an invoice key counter set back: each listed, and nothing else.
    void plantedDamageIsListed()
    {
        const QString copy = copyOfData(QStringLiteral("damaged"));
        QVERIFY(!copy.isEmpty());
        QString first;
        QString second;
        QString customerNo;
        {
            auto db = open(copy);
            const QStringList invoices =
                row(*db,
                    QStringLiteral("SELECT i.InvoiceNo, c.CustomerNo, "
                                   "(SELECT MIN(ARInvoiceID) FROM ARInv WHERE ARInvoiceID > "
                                   "i.ARInvoiceID) FROM ARInv i JOIN Customer c ON c.CustomerID = "
                                   "i.CustomerID ORDER BY i.ARInvoiceID"),
                    3);
            QCOMPARE(invoices.size(), 3);
            first = invoices[0];
            customerNo = invoices[1];
            db->exec(QStringLiteral("UPDATE ARInv SET InvoiceAmount = InvoiceAmount + 100, "
                                    "Owing = Owing + 100, Posted = true WHERE InvoiceNo = '%1'")
                         .arg(first));
            second = row(*db,
                         QStringLiteral("SELECT InvoiceNo FROM ARInv WHERE ARInvoiceID = %1")
                             .arg(invoices[2]),
                         1)
                         .value(0);
            QVERIFY(!second.isEmpty());
            db->exec(QStringLiteral("UPDATE ARInv SET InvoiceNo = '%1' WHERE InvoiceNo = '%2'")
                         .arg(first, second));
            db->exec(QStringLiteral("UPDATE ARInvCtl SET NextInvoiceID = 1"));
        }
        const ProgramRun run = check(copy);
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.out.contains(QStringLiteral("The books do not tie: 4 discrepancies\n")),
                 qPrintable(run.out));
        for (const QString& expected :
             {QStringLiteral("  Invoice number %1 is on 2 invoices\n").arg(first),
              QStringLiteral("  Invoice %1: amount ").arg(first),
              QStringLiteral("  Customer %1: no balance row, but its posted invoices owe ")
                  .arg(customerNo),
              QStringLiteral("  The next invoice key, 1 (ARInvCtl.NextInvoiceID is 1), is not "
                             "above the highest in use")})
            QVERIFY2(run.out.contains(expected), qPrintable(expected + "\n---\n" + run.out));

        // The sample itself was left as it was.
        QCOMPARE(check(month_.data()).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "test_checkcommand.moc"

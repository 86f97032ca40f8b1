// tallywick invoices on a month of a small sample program: the list's three formats, the
// deletions and the copy with their refusals and exit codes. The rules themselves are tested on
// both engines in tests/receivables; the command works on the embedded database.
#include "common/money.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestInvoicesCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun invoices(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("invoices")} + more);
    }
    std::unique_ptr<Database> open() { return month_.open(); }
    QString text(const QString& sql) { return month_.text(sql); }
    qint64 number(const QString& sql) { return month_.number(sql); }
    void exec(const QString& sql) { open()->exec(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")) >= 3);
    }

    void listFormats()
    {
        const qint64 all = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        const ProgramRun csv =
            invoices({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv"),
                      QStringLiteral("--sort"), QStringLiteral("number")});
        QCOMPARE(csv.exitCode, 0);
        const QStringList lines = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("InvoiceNo,CustomerNo,CustomerType,InvoiceDate,"
                                                "Description,InvoiceAmount,PaidAmount,"
                                                "DiscTakenAmount,WriteOffAmount,Owing,Printed,"
                                                "Posted"));
        QCOMPARE(lines.size(), all + 1);
        auto db = open();
        Statement first = db->query(
            QStringLiteral("SELECT I.InvoiceNo, C.CustomerNo, I.InvoiceDate, I.InvoiceAmount "
                           "FROM ARInv I JOIN Customer C ON C.CustomerID = I.CustomerID ORDER "
                           "BY I.InvoiceNo"));
        first.exec();
        QVERIFY(first.next());
        const QString amount = Money::fromRaw(first.integer(3)).toPlainString();
        QVERIFY2(
            lines[1].startsWith(first.text(0) + ',' + first.text(1) + ",C," +
                                first.date(QStringLiteral("InvoiceDate")).toString(Qt::ISODate) +
                                ",\"Meals, "),
            qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(',' + amount + ",No,No"), qPrintable(lines[1]));

        const ProgramRun json =
            invoices({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(rows.size(), all);
        QCOMPARE(rows[0].toObject().keys().size(), 12);
        QVERIFY(rows[0].toObject()[QStringLiteral("Posted")].isBool());

        const ProgramRun table = invoices({QStringLiteral("list")});
        QCOMPARE(table.exitCode, 0);
        QVERIFY(table.out.startsWith(QStringLiteral("Date ")));
        QVERIFY(table.out.contains(QStringLiteral("%1 invoice(s)").arg(all)));
    }

    // Typed text is matched as data; an unknown customer, a wrong word and an unknown action
    // are refused.
    void listRefusalsAndCraftedText()
    {
        const qint64 all = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        const ProgramRun crafted =
            invoices({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv"),
                      QStringLiteral("--description"), QStringLiteral("x' OR '1'='1")});
        QCOMPARE(crafted.exitCode, 0);
        QCOMPARE(crafted.out.count(QLatin1Char('\n')), 1); // the header alone
        const ProgramRun meals =
            invoices({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv"),
                      QStringLiteral("--description"), QStringLiteral("meals, 3/1")});
        QCOMPARE(meals.out.count(QLatin1Char('\n')), all + 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")), all);

        const ProgramRun nobody = invoices(
            {QStringLiteral("list"), QStringLiteral("--customer"), QStringLiteral("1' --")});
        QCOMPARE(nobody.exitCode, 1);
        QVERIFY(nobody.err.contains(QStringLiteral("Customer no. '1' --' not found")));
        QCOMPARE(
            invoices({QStringLiteral("list"), QStringLiteral("--posted"), QStringLiteral("maybe")})
                .exitCode,
            2);
        QCOMPARE(invoices({QStringLiteral("purge")}).exitCode, 2);
        QCOMPARE(invoices({QStringLiteral("delete")}).exitCode, 2);
        QCOMPARE(invoices({QStringLiteral("delete-date"), QStringLiteral("3/1/2025")}).exitCode, 2);
    }

    void deleteOne()
    {
        const QString posted = text(QStringLiteral("SELECT MIN(InvoiceNo) FROM ARInv"));
        const QString open = text(QStringLiteral("SELECT MAX(InvoiceNo) FROM ARInv"));
        exec(QStringLiteral("UPDATE ARInv SET Posted = true WHERE InvoiceNo = '%1'").arg(posted));
        const qint64 all = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));

        const ProgramRun refused = invoices({QStringLiteral("delete"), QStringLiteral("--invoice"),
                                             posted, QStringLiteral("--yes")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(
                     QStringLiteral("An Invoice that has been Posted \ncan't be deleted!")),
                 qPrintable(refused.err));
        // Without an answer the question is not guessed.
        const ProgramRun unanswered =
            invoices({QStringLiteral("delete"), QStringLiteral("--invoice"), open});
        QCOMPARE(unanswered.exitCode, 1);
        QVERIFY(unanswered.err.contains(QStringLiteral("Delete invoice '%1'?").arg(open)));
        QCOMPARE(invoices({QStringLiteral("delete"), QStringLiteral("--invoice"),
                           QStringLiteral("nope")})
                     .exitCode,
                 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")), all);

        const ProgramRun deleted = invoices(
            {QStringLiteral("delete"), QStringLiteral("--invoice"), open, QStringLiteral("--yes")});
        QCOMPARE(deleted.exitCode, 0);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")), all - 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID NOT IN "
                                       "(SELECT ARInvoiceID FROM ARInv)")),
                 0);
    }

    void copyThenDeleteTheDate()
    {
        const QString source = text(QStringLiteral("SELECT MAX(InvoiceNo) FROM ARInv"));
        const qint64 all = number(QStringLiteral("SELECT COUNT(*) FROM ARInv"));
        QCOMPARE(invoices({QStringLiteral("copy")}).exitCode, 2);
        const ProgramRun copied =
            invoices({QStringLiteral("copy"), QStringLiteral("--invoice"), source,
                      QStringLiteral("--prices"), QStringLiteral("invoice")});
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.err));
        QVERIFY(
            copied.out.contains(QStringLiteral("Copied invoice %1 to new invoice").arg(source)));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInv")), all + 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM ARInvDet D JOIN ARInv I ON "
                                       "I.ARInvoiceID = D.ARInvoiceID WHERE I.InvoiceNo = '%1'")
                            .arg(source)),
                 number(QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID = (SELECT "
                                       "MAX(ARInvoiceID) FROM ARInv)")));

        // The copy is dated today, so today's unposted invoices are the copy (and any other).
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const qint64 ofToday =
            number(QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE InvoiceDate = '%1' AND "
                                  "Posted = false")
                       .arg(today));
        const ProgramRun deleted =
            invoices({QStringLiteral("delete-date"), today, QStringLiteral("--yes")});
        QVERIFY2(deleted.exitCode == 0, qPrintable(deleted.err));
        QVERIFY(deleted.out.contains(QStringLiteral("Deleted %1 invoice(s).").arg(ofToday)));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM History WHERE Event LIKE "
                                       "'Unposted Invoices with date of %'")),
                 1);
        const ProgramRun none =
            invoices({QStringLiteral("delete-date"), today, QStringLiteral("--yes")});
        QCOMPARE(none.exitCode, 1);
        QVERIFY(none.out.contains(QStringLiteral("There were no unposted invoices")));
    }
};

QTEST_GUILESS_MAIN(TestInvoicesCommand)
#include "test_invoicescommand.moc"

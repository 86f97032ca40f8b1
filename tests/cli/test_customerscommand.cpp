// tallywick customers on a sample month: the list's formats and its --type, and changing one
// field with the customer screen's refusals and exit codes. The rules are tested on both engines
// in tests/masterdata; the command works on the embedded database.
#include "engine/database.h"
#include "programrun.h"
#include "samplemonth.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestCustomersCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun customers(const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("customers")} + more);
    }
    qint64 number(const QString& sql) { return month_.number(sql); }
    QString text(const QString& sql) { return month_.text(sql); }
    // A customer that has invoices, and one that has none.
    QString billedNo()
    {
        return text(QStringLiteral("SELECT MIN(C.CustomerNo) FROM Customer C WHERE EXISTS "
                                   "(SELECT 1 FROM ARInv I WHERE I.CustomerID = C.CustomerID)"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = month_.open();
        db->exec(QStringLiteral("DELETE FROM CBalance WHERE CustomerID = (SELECT MIN(CustomerID) "
                                "FROM Customer)"));
        db->exec(QStringLiteral("INSERT INTO CBalance (CustomerID, Balance) SELECT "
                                "MIN(CustomerID), 123456 FROM Customer"));
    }

    void listFormats()
    {
        const qint64 all = number(QStringLiteral("SELECT COUNT(*) FROM Customer"));
        const qint64 funders =
            number(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerType = 'F'"));
        QVERIFY(funders > 0 && funders < all);

        const ProgramRun csv =
            customers({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv")});
        QCOMPARE(csv.exitCode, 0);
        const QStringList lines = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(
            lines.value(0),
            QStringLiteral("CustomerNo,CustomerName,CustomerType,Balance,CurrencyID,Suspended"));
        QCOMPARE(lines.size(), all + 1);

        const ProgramRun json =
            customers({QStringLiteral("list"), QStringLiteral("--type"), QStringLiteral("F"),
                       QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(rows.size(), funders);
        for (const QJsonValue& row : rows) {
            const QJsonObject o = row.toObject();
            QCOMPARE(o.keys().size(), 6);
            QCOMPARE(o[QStringLiteral("CustomerType")].toString(), QStringLiteral("F"));
            QVERIFY(o[QStringLiteral("Suspended")].isBool());
            QVERIFY(o[QStringLiteral("Balance")].isString());
        }

        // The balance as decimal text, beside its customer.
        const QString first =
            text(QStringLiteral("SELECT CustomerNo FROM Customer C JOIN CBalance B ON "
                                "B.CustomerID = C.CustomerID WHERE B.Balance = 123456"));
        QVERIFY(!first.isEmpty());
        bool seen = false;
        for (const QString& line : lines)
            seen = seen || (line.startsWith(first + QLatin1Char(',')) &&
                            line.contains(QStringLiteral(",12.3456,")));
        QVERIFY2(seen, qPrintable(csv.out));

        const ProgramRun table = customers({QStringLiteral("list")});
        QCOMPARE(table.exitCode, 0);
        QVERIFY(table.out.startsWith(QStringLiteral("Client ID")));
        QVERIFY(table.out.contains(QStringLiteral("%1 customer(s)").arg(all)));

        const ProgramRun wrongType =
            customers({QStringLiteral("list"), QStringLiteral("--type"), QStringLiteral("X")});
        QCOMPARE(wrongType.exitCode, 2);
    }

    void setChangesOneField()
    {
        const QString no = billedNo();
        QVERIFY(!no.isEmpty());
        ProgramRun run = customers({QStringLiteral("set"), no, QStringLiteral("WebPage"),
                                    QStringLiteral("http://meals.example.org")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            text(QStringLiteral("SELECT WebPage FROM Customer WHERE CustomerNo = '%1'").arg(no)),
            QStringLiteral("meals.example.org"));
        run = customers(
            {QStringLiteral("set"), no, QStringLiteral("suspended"), QStringLiteral("yes")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerNo = '%1' "
                                       "AND Suspended = true")
                            .arg(no)),
                 1);
    }

    // Refused as the screen refuses: nothing changes and the exit status says so.
    void setRefusals()
    {
        const QString no = billedNo();
        const QString name = text(
            QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerNo = '%1'").arg(no));
        const qint64 currency = number(
            QStringLiteral("SELECT CurrencyID FROM Customer WHERE CustomerNo = '%1'").arg(no));

        ProgramRun run = customers({QStringLiteral("set"), no, QStringLiteral("CurrencyID"),
                                    QString::number(currency + 1)});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(),
                 QStringLiteral("Currency cannot be changed... \nInvoice(s) already exist"));
        QCOMPARE(
            number(
                QStringLiteral("SELECT CurrencyID FROM Customer WHERE CustomerNo = '%1'").arg(no)),
            currency);

        run = customers({QStringLiteral("set"), no, QStringLiteral("CustomerName"), QString()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Field 'Customer Name' must have a value"));
        QCOMPARE(text(QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerNo = '%1'")
                          .arg(no)),
                 name);

        run = customers(
            {QStringLiteral("set"), no, QStringLiteral("SalesmanID"), QStringLiteral("987654")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Salesman no longer exists"));

        run = customers(
            {QStringLiteral("set"), no, QStringLiteral("CustomerID"), QStringLiteral("5")});
        QCOMPARE(run.exitCode, 2);
        run = customers(
            {QStringLiteral("set"), no, QStringLiteral("NetDays"), QStringLiteral("soon")});
        QCOMPARE(run.exitCode, 2);
        run = customers({QStringLiteral("set"), QStringLiteral("no-such-customer"),
                         QStringLiteral("Phone"), QStringLiteral("555")});
        QCOMPARE(run.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCustomersCommand)
#include "test_customerscommand.moc"

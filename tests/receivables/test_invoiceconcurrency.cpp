// Two workstations writing invoices at the same time never draw the same key or number, and
// every invoice arrives whole.
#include "engine/database.h"
#include "invoicefixture.h"
#include "testdatabases.h"

#include <QProcess>
#include <QSet>
#include <QTest>

using namespace invoicefixture;

namespace
{

} // namespace

class TestInvoiceConcurrency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoWorkstationsWriteInvoicesAtOnce_data() { testdb::addEngineRows(); }
    void twoWorkstationsWriteInvoicesAtOnce()
    {
        QFETCH(QString, engine);
        const ConnectionParams params = testdb::freshParams(engine);
        {
            auto db = Database::open(params);
            create(*db);
        }
        const int perProcess = 150;
        const QStringList args{testdb::childArgument(params), QString::number(perProcess),
                               QStringLiteral("1002"), QStringLiteral("104")};
        QProcess a;
        QProcess b;
        a.start(QStringLiteral(MAKE_INVOICES_PATH), args);
        b.start(QStringLiteral(MAKE_INVOICES_PATH), args);
        QVERIFY(a.waitForFinished(300000));
        QVERIFY(b.waitForFinished(300000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());

        QSet<qint64> keys;
        QSet<QByteArray> numbers;
        int lines = 0;
        for (QProcess* p : {&a, &b}) {
            for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
                if (line.isEmpty())
                    continue;
                ++lines;
                const QList<QByteArray> parts = line.split(' ');
                QCOMPARE(parts.size(), 2);
                keys.insert(parts[0].toLongLong());
                numbers.insert(parts[1]);
            }
        }
        QCOMPARE(lines, 2 * perProcess);
        QCOMPARE(keys.size(), 2 * perProcess);
        QCOMPARE(numbers.size(), 2 * perProcess);

        auto db = Database::open(params);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 2 * perProcess);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(DISTINCT InvoiceNo) FROM ARInv")),
                 2 * perProcess);
        QCOMPARE(count(*db, QStringLiteral("SELECT MIN(InvoiceNo) FROM ARInv")), 10001);
        QCOMPARE(count(*db, QStringLiteral("SELECT NextInvoiceNo FROM ARInvCtl")),
                 10001 + 2 * perProcess);
        // Each invoice with its one line, and an amount that agrees with it (100.00 a meal
        // plus 5 % GST).
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 2 * perProcess);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv I JOIN ARInvDet D ON "
                                           "D.ARInvoiceID = I.ARInvoiceID WHERE I.InvoiceAmount = "
                                           "CAST(ROUND(D.Quantity * 1050000) AS BIGINT)")),
                 2 * perProcess);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceConcurrency)
#include "test_invoiceconcurrency.moc"

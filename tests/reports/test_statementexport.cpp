// The statement mail-merge file on both engines: which customers and invoices it takes, its
// header and padding, values that would break its columns, and a file that cannot be written.
#include "arworld.h"
#include "common/formatsettings.h"
#include "recordingprogress.h"
#include "reports/statements/statementexport.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace statements;

namespace
{

const QString kMarker = QStringLiteral("End Of Client Record");

// The file's lines, each split at its tabs.
QList<QStringList> fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> lines;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines << line.split(QLatin1Char('\t'));
    return lines;
}

QVariantMap invoice(QDate date, qint64 amount, qint64 owing, const QString& description = {})
{
    QVariantMap values = {{QStringLiteral("InvoiceDate"), date},
                          {QStringLiteral("InvoiceAmount"), amount},
                          {QStringLiteral("PaidAmount"), amount - owing},
                          {QStringLiteral("Owing"), owing},
                          {QStringLiteral("Posted"), true}};
    if (!description.isEmpty())
        values.insert(QStringLiteral("Description"), description);
    return values;
}

// The invoice numbers of a customer line's groups.
QStringList groupNumbers(const QStringList& fields, int maxInvoices)
{
    QStringList numbers;
    for (int j = 0; j < maxInvoices; ++j)
        numbers << fields[22 + 8 * j];
    return numbers;
}

} // namespace

class TestStatementExport : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir scratch_;

    int run(Database& db, StatementExportOptions options, ScriptedDialogs& dialogs)
    {
        RecordingProgress progress;
        return exportStatements(db, options, dialogs, progress, FormatSettings::us());
    }

private Q_SLOTS:
    // M = 2 and M = 3 over the same books: the header's names, the newest invoices first, a
    // customer with fewer invoices padded, and every line as long as the header.
    void headerGroupsAndPadding_data() { testdb::addEngineRows(); }
    void headerGroupsAndPadding()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("200"), QStringLiteral("Baker"),
                             QStringLiteral("C"), {{QStringLiteral("EMail"), "b@example.org"}});
        arworld::addBalance(*db, 1, 1250000);
        // Five open invoices out of date order, two of one date, and a paid one.
        arworld::addInvoice(*db, 10, 1, QStringLiteral("1010"),
                            invoice(QDate(2026, 1, 31), 100000, 100000));
        arworld::addInvoice(*db, 11, 1, QStringLiteral("1011"),
                            invoice(QDate(2026, 4, 30), 200000, 150000));
        arworld::addInvoice(*db, 12, 1, QStringLiteral("1012"),
                            invoice(QDate(2026, 2, 28), 300000, 300000));
        arworld::addInvoice(*db, 13, 1, QStringLiteral("1013"),
                            invoice(QDate(2026, 3, 31), 400000, 400000));
        arworld::addInvoice(*db, 14, 1, QStringLiteral("1014"),
                            invoice(QDate(2026, 3, 31), 500000, 300000));
        arworld::addInvoice(*db, 15, 1, QStringLiteral("1015"),
                            invoice(QDate(2026, 5, 31), 500000, 0));
        arworld::addCustomer(*db, 2, QStringLiteral("100"), QStringLiteral("Adams"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 2, 99999);
        arworld::addInvoice(*db, 20, 2, QStringLiteral("2020"),
                            invoice(QDate(2026, 5, 31), 99999, 99999));

        const QString path = scratch_.filePath(engine + QStringLiteral("-groups.txt"));
        for (const int m : {2, 3}) {
            ScriptedDialogs dialogs;
            QCOMPARE(run(*db, {path, CustomerKind::Both, m, {}}, dialogs), 2);
            QCOMPARE(dialogs.texts(), QStringList{kExportFinished});
            const QList<QStringList> lines = fileLines(path);
            QCOMPARE(lines.size(), 3);
            for (const QStringList& line : lines)
                QCOMPARE(line.size(), 22 + 8 * m + 1);

            const QStringList& header = lines[0];
            QCOMPARE(header.mid(0, 3),
                     (QStringList{QStringLiteral("CustomerID"), QStringLiteral("CustomerNo"),
                                  QStringLiteral("CustomerName")}));
            QCOMPARE(header[21], QStringLiteral("Balance"));
            QCOMPARE(
                header.mid(22, 8),
                (QStringList{QStringLiteral("InvoiceNo1"), QStringLiteral("InvoiceDescription1"),
                             QStringLiteral("InvoiceDate1"), QStringLiteral("InvoiceAmount1"),
                             QStringLiteral("InvoicePaidAmount1"),
                             QStringLiteral("InvoiceDiscTakenAmount1"),
                             QStringLiteral("WriteOffAmount1"), QStringLiteral("Owing1")}));
            QCOMPARE(header[header.size() - 2], QStringLiteral("Owing%1").arg(m));
            QCOMPARE(header.last(), kMarker);

            // Customer-number order; the five-invoice customer's newest first, the later key
            // first within a date.
            const QStringList& adams = lines[1];
            const QStringList& baker = lines[2];
            QCOMPARE(adams[1], QStringLiteral("100"));
            QCOMPARE(adams[21], QStringLiteral("$10.00"));
            QCOMPARE(adams.last(), QStringLiteral("End of Client 100"));
            QCOMPARE(baker[12], QStringLiteral("b@example.org"));
            QCOMPARE(baker[21], QStringLiteral("$125.00"));
            QCOMPARE(groupNumbers(baker, m),
                     (QStringList{QStringLiteral("1011"), QStringLiteral("1014"),
                                  QStringLiteral("1013")})
                         .mid(0, m));
            QCOMPARE(baker.mid(22, 8),
                     (QStringList{QStringLiteral("1011"), QString(), QStringLiteral("4/30/2026"),
                                  QStringLiteral("$20.00"), QStringLiteral("$5.00"),
                                  QStringLiteral("$0.00"), QStringLiteral("$0.00"),
                                  QStringLiteral("$15.00")}));
            // One invoice and m - 1 padded groups.
            QCOMPARE(adams.mid(22, 8).first(), QStringLiteral("2020"));
            QCOMPARE(adams[29], QStringLiteral("$10.00")); // 9.9999 to 2 decimals
            for (int j = 1; j < m; ++j)
                QCOMPARE(adams.mid(22 + 8 * j, 8),
                         (QStringList{QString(), QString(), QString(), QStringLiteral("$0.00"),
                                      QStringLiteral("$0.00"), QStringLiteral("$0.00"),
                                      QStringLiteral("$0.00"), QStringLiteral("$0.00")}));
        }
    }

    // Who is exported: a positive running balance only, of the chosen kind; and the description
    // an invoice without one is given.
    void customersAndKinds_data() { testdb::addEngineRows(); }
    void customersAndKinds()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("C1"), QStringLiteral("Client owing"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 1, 50000);
        arworld::addInvoice(*db, 10, 1, QStringLiteral("10"),
                            invoice(QDate(2026, 5, 31), 50000, 50000));
        arworld::addInvoice(*db, 11, 1, QStringLiteral("11"),
                            invoice(QDate(2026, 6, 30), 20000, 20000, QStringLiteral("June")));
        // A credit note (negative owing) is not an open invoice.
        arworld::addInvoice(*db, 12, 1, QStringLiteral("12"),
                            invoice(QDate(2026, 7, 31), -20000, -20000));
        arworld::addCustomer(*db, 2, QStringLiteral("C2"), QStringLiteral("Client in credit"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 2, -10000);
        arworld::addInvoice(*db, 20, 2, QStringLiteral("20"),
                            invoice(QDate(2026, 5, 31), 50000, 50000));
        arworld::addCustomer(*db, 3, QStringLiteral("C3"), QStringLiteral("Client at zero"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 3, 0);
        arworld::addCustomer(*db, 4, QStringLiteral("F1"), QStringLiteral("Funder owing"),
                             QStringLiteral("F"));
        arworld::addBalance(*db, 4, 70000);
        arworld::addCustomer(*db, 5, QStringLiteral("C4"), QStringLiteral("Client, no balance row"),
                             QStringLiteral("C"));
        arworld::addInvoice(*db, 50, 5, QStringLiteral("50"),
                            invoice(QDate(2026, 5, 31), 50000, 50000));

        const QString path = scratch_.filePath(engine + QStringLiteral("-kinds.txt"));
        const auto exported = [&](CustomerKind kind) {
            ScriptedDialogs dialogs;
            run(*db, {path, kind, 2, QStringLiteral("Meals delivered")}, dialogs);
            QStringList numbers;
            for (const QStringList& line : fileLines(path).mid(1))
                numbers << line[1];
            return numbers;
        };
        QCOMPARE(exported(CustomerKind::Both),
                 (QStringList{QStringLiteral("C1"), QStringLiteral("F1")}));
        QCOMPARE(exported(CustomerKind::Clients), QStringList{QStringLiteral("C1")});
        QCOMPARE(exported(CustomerKind::Funders), QStringList{QStringLiteral("F1")});

        exported(CustomerKind::Clients);
        const QStringList client = fileLines(path)[1];
        QCOMPARE(groupNumbers(client, 2),
                 (QStringList{QStringLiteral("11"), QStringLiteral("10")}));
        QCOMPARE(client[23], QStringLiteral("June"));
        QCOMPARE(client[31], QStringLiteral("Meals delivered"));
    }

    // A tab or a line break inside a value is written as a blank, so the columns hold.
    void breakingCharactersWrittenAsBlanks_data() { testdb::addEngineRows(); }
    void breakingCharactersWrittenAsBlanks()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("7"), QStringLiteral("Ortiz\tMaria"),
                             QStringLiteral("C"),
                             {{QStringLiteral("AddressLine1"), "12 Elm St\r\nApt 4"},
                              {QStringLiteral("City"), "Dover\n"}});
        arworld::addBalance(*db, 1, 10000);
        arworld::addInvoice(*db, 10, 1, QStringLiteral("10"),
                            invoice(QDate(2026, 5, 31), 10000, 10000, "Meals\tMay"));

        const QString path = scratch_.filePath(engine + QStringLiteral("-blanks.txt"));
        ScriptedDialogs dialogs;
        run(*db, {path, CustomerKind::Both, 1, QStringLiteral("x\ty")}, dialogs);
        const QList<QStringList> lines = fileLines(path);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].size(), lines[0].size());
        QCOMPARE(lines[1][2], QStringLiteral("Ortiz Maria"));
        QCOMPARE(lines[1][3], QStringLiteral("12 Elm St  Apt 4"));
        QCOMPARE(lines[1][5], QStringLiteral("Dover "));
        QCOMPARE(lines[1][23], QStringLiteral("Meals May"));
    }

    // No one to export: the file is there and empty, and the bookkeeper is told. A file that
    // cannot be written is reported and leaves what was at its name untouched.
    void emptyAndUnwritableFiles_data() { testdb::addEngineRows(); }
    void emptyAndUnwritableFiles()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        const QString empty = scratch_.filePath(engine + QStringLiteral("-empty.txt"));
        {
            QFile old(empty);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier export\r\n");
        }
        ScriptedDialogs nobody;
        QCOMPARE(run(*db, {empty, CustomerKind::Both, 1, {}}, nobody), 0);
        QCOMPARE(nobody.texts(), QStringList{kNoStatements});
        QVERIFY(QFile::exists(empty));
        QCOMPARE(QFileInfo(empty).size(), 0);

        arworld::addCustomer(*db, 1, QStringLiteral("7"), QStringLiteral("Ortiz"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 1, 10000);
        // A folder that is not there, and a name that is a folder.
        const QString missing = scratch_.filePath(QStringLiteral("no-such-folder/export.txt"));
        const QString folder = scratch_.filePath(engine + QStringLiteral("-folder"));
        QVERIFY(QDir().mkpath(folder));
        for (const QString& path : {missing, folder}) {
            ScriptedDialogs dialogs;
            QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                     run(*db, {path, CustomerKind::Both, 1, {}}, dialogs));
            QVERIFY(dialogs.texts().isEmpty());
        }
        QVERIFY(!QFile::exists(missing));
        QVERIFY(QFileInfo(folder).isDir());

        // A read that fails once the file is open leaves the earlier file whole and no
        // temporary file beside it.
        const QString kept = scratch_.filePath(engine + QStringLiteral("-kept/export.txt"));
        QVERIFY(QDir().mkpath(QFileInfo(kept).path()));
        {
            QFile old(kept);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier export\r\n");
        }
        db->exec(QStringLiteral("DROP TABLE ARInv"));
        ScriptedDialogs dialogs;
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 run(*db, {kept, CustomerKind::Both, 1, {}}, dialogs));
        QCOMPARE(QDir(QFileInfo(kept).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("export.txt")});
        QCOMPARE(QFileInfo(kept).size(), 19);
    }
};

QTEST_MAIN(TestStatementExport)
#include "test_statementexport.moc"

// The console's "Report 1" and "Report 2" and the address labels: which template is used, the
// messages when there is none or it is faulty, and what prints from the database on both
// engines.
#include "arworld.h"
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "pagetexts.h"
#include "report/pagemodel.h"
#include "reports/namedsources.h"
#include "reports/userdefinedreports.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reports;

namespace
{

const report::RunOptions kOptions{QDateTime(QDate(2024, 3, 7), QTime(9, 30)), {}};

void copyExample(const QString& name, const QString& directory, const QString& as = {})
{
    const QString target = directory + QLatin1Char('/') + (as.isEmpty() ? name : as);
    QVERIFY(QFile::copy(QStringLiteral(TALLYWICK_DOCS_DIR "/") + name, target));
}

void write(const QString& file, const QByteArray& text)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(text);
}

} // namespace

class TestUserDefinedReports : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void nothingPrintsWithoutAUsableTemplate_data() { testdb::addEngineRows(); }
    void nothingPrintsWithoutAUsableTemplate()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        QTemporaryDir dir;

        // Neither "Report 1" nor "Report 2".
        ScriptedDialogs dialogs;
        report::PageList pages;
        QVERIFY(!printUserDefinedReport(3, dir.path(), dialogs, *db, pages, kOptions));
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Warning);
        QCOMPARE(dialogs.shown()[0].text, QStringLiteral("Report choice was not one of the "
                                                         "selections!"));

        // No template in the directory.
        ScriptedDialogs missing;
        QVERIFY(!printUserDefinedReport(2, dir.path(), missing, *db, pages, kOptions));
        QCOMPARE(missing.texts(),
                 QStringList{QStringLiteral("Could not locate the report template file:\n\r") +
                             dir.path() + QStringLiteral("/UserDefinedTallywickReport02.rtm")});
        QCOMPARE(missing.shown()[0].kind, Dialogs::Kind::Warning);

        // A faulty template: the loader's own text, as an error.
        write(dir.filePath(QStringLiteral("UserDefinedTallywickReport01.rtm")),
              R"({"format": "tallywick-report", "source": "Customers", "bands": {}})");
        ScriptedDialogs faulty;
        QVERIFY(!printUserDefinedReport(1, dir.path(), faulty, *db, pages, kOptions));
        QCOMPARE(faulty.shown().size(), 1);
        QCOMPARE(faulty.shown()[0].kind, Dialogs::Kind::Error);
        QVERIFY2(faulty.texts()[0].startsWith(
                     dir.path() + QStringLiteral("/UserDefinedTallywickReport01.rtm: source: "
                                                 "unknown source \"Customers\"")),
                 qPrintable(faulty.texts()[0]));

        // Labels: a missing template is named in the warning, a faulty one refused.
        report::ListRowSource rows({});
        ScriptedDialogs noLabels;
        QVERIFY(!printLabels(dir.path(), noLabels, rows, pages, kOptions));
        QCOMPARE(noLabels.texts(), QStringList{QStringLiteral("The report template ") + dir.path() +
                                               QStringLiteral("/ARLabel.rtm could not be found.")});
        write(dir.filePath(QStringLiteral("ARLabel.rtm")), "{ not json");
        ScriptedDialogs badLabels;
        QVERIFY(!printLabels(dir.path(), badLabels, rows, pages, kOptions));
        QCOMPARE(badLabels.shown()[0].kind, Dialogs::Kind::Error);
        QVERIFY2(badLabels.texts()[0].startsWith(dir.path() +
                                                 QStringLiteral("/ARLabel.rtm: line 1, column")),
                 qPrintable(badLabels.texts()[0]));
        QVERIFY(pages.pages.empty());
    }

    void reportOnePrintsTheCustomerList_data() { testdb::addEngineRows(); }
    void reportOnePrintsTheCustomerList()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("200"), QStringLiteral("County Aging Office"),
                             QStringLiteral("F"),
                             {{QStringLiteral("City"), QStringLiteral("Springfield")},
                              {QStringLiteral("Phone"), QStringLiteral("555-0199")}});
        arworld::addCustomer(*db, 2, QStringLiteral("101"), QStringLiteral("baker, Bob"),
                             QStringLiteral("C"),
                             {{QStringLiteral("City"), QStringLiteral("Shelbyville")}});
        arworld::addCustomer(*db, 3, QStringLiteral("100"), QStringLiteral("Adams, Ann"),
                             QStringLiteral("C"),
                             {{QStringLiteral("City"), QStringLiteral("Springfield")},
                              {QStringLiteral("Phone"), QStringLiteral("555-0101")}});
        arworld::addCustomer(*db, 4, QStringLiteral("201"), QStringLiteral("Meals Fund"),
                             QStringLiteral("F"));
        arworld::addBalance(*db, 1, -32500);
        arworld::addBalance(*db, 2, 55000);
        arworld::addBalance(*db, 3, 100000);
        // Enough clients to run onto a second page.
        for (int n = 0; n < 60; ++n)
            arworld::addCustomer(*db, 10 + n, QString::number(300 + n),
                                 QStringLiteral("Client %1").arg(n, 2, 10, QLatin1Char('0')),
                                 QStringLiteral("C"));

        QTemporaryDir dir;
        copyExample(QStringLiteral("UserDefinedTallywickReport01.rtm"), dir.path());
        ScriptedDialogs dialogs;
        std::optional<BoundReport> bound = openUserDefinedReport(1, dir.path(), dialogs, *db);
        QVERIFY(bound);
        QVERIFY(dialogs.shown().isEmpty());
        report::PageModelOutput model;
        QCOMPARE(bound->print(model, kOptions), 2);
        // The same pages on both engines.
        COMPARE_WITH_EXPECTED(model.text, QStringLiteral(TALLYWICK_EXPECTED_DIR "/report01.txt"));

        // Printing again (the printer after the preview) starts from the first row.
        report::PageList again;
        QCOMPARE(bound->print(again, kOptions), 2);
        QCOMPARE(pageTexts(again.pages[0]).mid(0, 12),
                 (QStringList{"Customer Balances", "Printed 07 Mar 24", "No.", "Customer", "City",
                              "Phone", "Balance", "Customer type C", "100", "Adams, Ann",
                              "Springfield", "555-0101"}));
        QVERIFY(pageTexts(again.pages[1]).contains(QStringLiteral("Total 12.25")));
        QVERIFY(pageTexts(again.pages[1]).contains(QStringLiteral("Page 2 of 2")));

        // "Report 2" is its own file.
        copyExample(QStringLiteral("ARLabel.rtm"), dir.path(),
                    QStringLiteral("UserDefinedTallywickReport02.rtm"));
        arworld::addInvoice(*db, 1, 3, QStringLiteral("10001"));
        report::PageList labels;
        QCOMPARE(printUserDefinedReport(2, dir.path(), dialogs, *db, labels, kOptions), 1);
        QCOMPARE(pageTexts(labels.pages[0]), (QStringList{"Adams, Ann", "Springfield"}));
    }

    void labelsPrintOnePerInvoice_data() { testdb::addEngineRows(); }
    void labelsPrintOnePerInvoice()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        for (int n = 1; n <= 31; ++n) {
            arworld::addCustomer(
                *db, n, QStringLiteral("C%1").arg(n), QStringLiteral("Client %1").arg(n),
                QStringLiteral("C"),
                {{QStringLiteral("AddressLine1"), QStringLiteral("%1 Elm St").arg(n)},
                 {QStringLiteral("City"), QStringLiteral("Springfield")},
                 {QStringLiteral("StateProv"), QStringLiteral("IL")},
                 {QStringLiteral("ZipCode"), QStringLiteral("62701")}});
            arworld::addInvoice(*db, n, n, QString::number(20000 + n));
        }
        // Printed invoices get no label.
        arworld::addInvoice(*db, 99, 1, QStringLiteral("19999"),
                            {{QStringLiteral("Printed"), true}});

        QTemporaryDir dir;
        copyExample(QStringLiteral("ARLabel.rtm"), dir.path());
        const NamedSources sources;
        auto rows = sources.open(*db, kLabelSource);
        ScriptedDialogs dialogs;
        report::PageList pages;
        QCOMPARE(printLabels(dir.path(), dialogs, *rows, pages, kOptions), 2);
        QVERIFY(dialogs.shown().isEmpty());
        const QStringList first = pageTexts(pages.pages[0]);
        QCOMPARE(first.filter(QStringLiteral("Client ")).size(), 30);
        QCOMPARE(first.mid(0, 3), (QStringList{"Client 1", "1 Elm St", "Springfield, IL  62701"}));
        QCOMPARE(pageTexts(pages.pages[1]),
                 (QStringList{"Client 31", "31 Elm St", "Springfield, IL  62701"}));
    }
};

QTEST_MAIN(TestUserDefinedReports)
#include "test_userdefinedreports.moc"

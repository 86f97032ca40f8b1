// The printed statements and their labels over a planted ledger, on both engines: who gets a
// statement (the statement mark, the minimums at their boundaries, the currency and customer),
// what each line says, the printed pages, and which customers get a label.
#include "arworld.h"
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "pagetexts.h"
#include "report/pagemodel.h"
#include "reports/statements/arstatements.h"
#include "reports/statements/statementlabels.h"
#include "reports/userdefinedreports.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reports;

namespace
{

const QDate kAsOf(2023, 3, 31);
const report::RunOptions kOptions{QDateTime(QDate(2023, 4, 3), QTime(14, 5)), {}};

using arworld::str;

// Cents as stored.
qint64 cents(qint64 value)
{
    return value * 100;
}

void addOpen(Database& db, int id, int customerId, const QString& no, QDate date,
             qint64 amountCents, qint64 owingCents, const QVariantMap& more = {})
{
    QVariantMap values = {{str("InvoiceDate"), date},
                          {str("InvoiceAmount"), cents(amountCents)},
                          {str("Owing"), cents(owingCents)},
                          {str("NetDays"), 30}};
    values.insert(more);
    arworld::addInvoice(db, id, customerId, no, values);
}

// The county (a funder, sorted first) owes on fifty invoices: two pages. Al is named in lower
// case and sorts before Ann without regard to case. Ann's oldest open invoice is 30 days old
// on 31 March and she owes 17.50 in all; Bob's is 29 days old, in Canadian dollars. Cy is not
// marked for statements, nor is the customer without a name. Dee owes nothing.
void plantLedger(Database& db)
{
    arworld::createTables(db);
    records::insert(db, ar::company(),
                    {{str("CompanyNo"), 1},
                     {str("CompanyName"), str("Hearth Meals")},
                     {str("AddressLine1"), str("1 Main St")},
                     {str("AddressLine3"), str("Dayton, OH 45402")}});
    arworld::addCurrency(db, 1, str("US Dollar"));
    arworld::addCurrency(db, 2, str("Canadian Dollar"));
    auto customer = [&db](int id, const char* no, const char* name, const char* type,
                          QVariantMap more) {
        more.insert(str("PrintStatement"), more.value(str("PrintStatement"), true));
        more.insert(str("CurrencyID"), more.value(str("CurrencyID"), 1));
        arworld::addCustomer(db, id, str(no), str(name), str(type), more);
    };
    customer(1, "200", "Aaron County Office", "F",
             {{str("Contact"), str("Pat Lee")},
              {str("AddressLine1"), str("PO Box 9")},
              {str("AddressLine2"), str("Suite 2")},
              {str("City"), str("Xenia")},
              {str("StateProv"), str("OH")},
              {str("Country"), str("USA")},
              {str("ShipToName"), str("County Kitchen")}});
    customer(2, "105", "adams, al", "C", {{str("Contact"), str("Al")}});
    customer(3, "101", "Adams, Ann", "C",
             {{str("Contact"), str("Ann Adams")},
              {str("AddressLine1"), str("12 Elm St")},
              {str("City"), str("Dayton")},
              {str("StateProv"), str("OH")},
              {str("ZipCode"), str("45402")},
              {str("Country"), str("USA")},
              {str("CustomerMessage"), str("Thank you for your business.")}});
    customer(4, "102", "baker, Bob", "C", {{str("CurrencyID"), 2}});
    customer(5, "103", "Carter, Cy", "C", {{str("PrintStatement"), false}});
    customer(6, "106", "Dunn, Dee", "C", {});
    customer(7, "107", "", "C", {{str("PrintStatement"), false}});

    for (int n = 0; n < 50; ++n)
        addOpen(db, 100 + n, 1, QStringLiteral("F%1").arg(n + 1, 3, 10, QLatin1Char('0')),
                QDate(2023, 1, 2).addDays(n), 1000, 1000,
                {{str("Description"), QStringLiteral("Meals for client %1").arg(n + 1)},
                 {str("CustomerType"), str("F")}});
    addOpen(db, 1, 2, str("2001"), QDate(2023, 3, 20), 500, 500, {{str("NetDays"), 0}});
    // Ann: a credit without description, an invoice without one, one with; the same date twice,
    // told apart by number without regard to case.
    addOpen(db, 2, 3, str("c1002"), QDate(2023, 3, 5), -750, -750);
    addOpen(db, 3, 3, str("1003"), QDate(2023, 3, 5), 1500, 1500);
    addOpen(db, 4, 3, str("1001"), QDate(2023, 3, 1), 2000, 1000,
            {{str("Description"), str("Meals March")}});
    addOpen(db, 5, 3, str("1000"), QDate(2023, 2, 1), 2000, 0); // paid: not listed
    addOpen(db, 6, 4, str("4001"), QDate(2023, 3, 2), 4000, 4000);
    addOpen(db, 7, 5, str("5001"), QDate(2023, 1, 15), 9999, 9999);
    addOpen(db, 8, 6, str("6001"), QDate(2023, 1, 15), 500, 0);
    addOpen(db, 9, 7, str("7001"), QDate(2023, 3, 25), 100, 100);
}

ReportSelection asOf()
{
    ReportSelection selection;
    selection.asOf = kAsOf;
    return selection;
}

QStringList customersOf(const std::vector<StatementLine>& lines)
{
    QStringList nos;
    for (const StatementLine& line : lines) {
        if (nos.isEmpty() || nos.last() != line.customerNo)
            nos << line.customerNo;
    }
    return nos;
}

QStringList labelled(Database& db, const ReportSelection& selection)
{
    QStringList nos;
    const std::unique_ptr<report::RowSource> rows = statementLabelRows(db, selection);
    while (rows->next())
        nos << rows->row().value(str("CustomerNo")).toString();
    return nos;
}

} // namespace

class TestArStatements : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void linesSayWhatTheStatementPrints_data() { testdb::addEngineRows(); }
    void linesSayWhatTheStatementPrints()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        const std::vector<StatementLine> lines = statementLines(*db, asOf());

        // By name without regard to case; Cy is not marked, Dee owes nothing.
        QCOMPARE(customersOf(lines), QStringList({str("200"), str("105"), str("101"), str("102")}));
        QCOMPARE(lines.size(), std::size_t(55));

        const StatementLine& county = lines.front();
        QCOMPARE(county.contactLine, str("Aaron County Office %Pat Lee"));
        QCOMPARE(county.addressLine2P, str("Suite 2"));
        QCOMPARE(county.addressLine3P, str("Xenia, OH"));
        QCOMPARE(county.addressLine4P, str("USA"));

        // Ann: date, then number without regard to case; the paid invoice is left out.
        QStringList annNos, annDescriptions;
        for (std::size_t i = 51; i < 54; ++i) {
            annNos << lines[i].invoiceNo;
            annDescriptions << lines[i].description;
        }
        QCOMPARE(annNos, QStringList({str("1001"), str("1003"), str("c1002")}));
        QCOMPARE(annDescriptions,
                 QStringList({str("Meals March"), str("Invoice"), str("Credit Note")}));
        const StatementLine& ann = lines[51];
        QCOMPARE(ann.contactLine, str("Ann Adams"));
        QCOMPARE(ann.addressLine2P, str("Dayton, OH     45402"));
        QCOMPARE(ann.addressLine3P, str("USA"));
        QCOMPARE(ann.addressLine4P, QString());
        QCOMPARE(ann.dueDate, QDate(2023, 3, 31));
        QCOMPARE(ann.owing, Money::fromCents(1000));
        QCOMPARE(lines[53].invoiceAmount, Money::fromCents(-750));
        QCOMPARE(lines[50].dueDate, QDate(2023, 3, 20)); // Al's: payable on receipt
        QCOMPARE(lines[53].currencyName, str("US Dollar"));
    }

    void statementsFollowTheSelection_data() { testdb::addEngineRows(); }
    void statementsFollowTheSelection()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);

        // 30 days as of 31 March: Ann's oldest (1 March) is old enough, Bob's (2 March) not.
        ReportSelection selection = asOf();
        selection.minDays = 30;
        QCOMPARE(customersOf(statementLines(*db, selection)),
                 QStringList({str("200"), str("101")}));
        selection.minDays = 29;
        QVERIFY(customersOf(statementLines(*db, selection)).contains(str("102")));

        // A total of exactly the minimum prints: Ann owes 17.50, Al 5.00.
        selection = asOf();
        selection.minOwing = Money::fromCents(1750);
        QCOMPARE(customersOf(statementLines(*db, selection)),
                 QStringList({str("200"), str("101"), str("102")}));
        selection.minOwing = Money::fromCents(1751);
        QCOMPARE(customersOf(statementLines(*db, selection)),
                 QStringList({str("200"), str("102")}));

        // One customer prints whatever its mark; a currency narrows the run.
        selection = asOf();
        selection.customerId = 5;
        QCOMPARE(customersOf(statementLines(*db, selection)), QStringList({str("103")}));
        selection = asOf();
        selection.currencyId = 2;
        QCOMPARE(customersOf(statementLines(*db, selection)), QStringList({str("102")}));
        QCOMPARE(statementLines(*db, selection).front().currencyName, str("Canadian Dollar"));
        selection.customerId = 3;
        QVERIFY(statementLines(*db, selection).empty());
    }

    void printedPages_data() { testdb::addEngineRows(); }
    void printedPages()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        report::PageModelOutput model;
        // The county over two pages, then Al, Ann and Bob each on a page of their own.
        QCOMPARE(printStatements(*db, asOf(), model, kOptions), 5);
        COMPARE_WITH_EXPECTED(model.text, QStringLiteral(TALLYWICK_EXPECTED_DIR "/statements.txt"));

        // Nothing to state: no page at all.
        ReportSelection none = asOf();
        none.minOwing = Money::fromCents(100000000);
        report::PageList pages;
        QCOMPARE(printStatements(*db, none, pages, kOptions), 0);
        QVERIFY(pages.pages.empty());
    }

    void pagesNumberWithinEachStatement()
    {
        // Two customers of sixty lines, a page and a bit each: "Page 2" on the second page of
        // each, the header repeated there, and each total on its second page.
        std::vector<StatementLine> lines;
        for (int c = 1; c <= 2; ++c) {
            for (int n = 0; n < 60; ++n) {
                StatementLine line;
                line.customerId = c;
                line.customerNo = QString::number(c);
                line.invoiceNo = QString::number(c * 1000 + n);
                line.owing = Money::fromCents(100);
                lines.push_back(line);
            }
        }
        report::PageList pages;
        InvoiceLetterhead letterhead;
        QCOMPARE(printStatementLines(lines, letterhead, kAsOf, pages, kOptions), 4);
        QList<bool> numbered;
        for (const report::Page& page : pages.pages)
            numbered << pageTexts(page).contains(str("Page 2"));
        QCOMPARE(numbered, QList<bool>({false, true, false, true}));
        QVERIFY(pageTexts(pages.pages[3]).contains(str("2")));
        QVERIFY(pageTexts(pages.pages[1]).contains(str("60.00")));
        QVERIFY(pageTexts(pages.pages[3]).contains(str("60.00")));
    }

    void labelsGoToCustomersAboveTheMinimums_data() { testdb::addEngineRows(); }
    void labelsGoToCustomersAboveTheMinimums()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);

        // Every customer with an open invoice, the one without a name first on both engines;
        // Dee owes nothing.
        QCOMPARE(labelled(*db, asOf()), QStringList({str("107"), str("200"), str("105"), str("101"),
                                                     str("102"), str("103")}));

        // Ann owes exactly 17.50: a statement but no label at that minimum.
        ReportSelection selection = asOf();
        selection.minOwing = Money::fromCents(1750);
        QCOMPARE(labelled(*db, selection), QStringList({str("200"), str("102"), str("103")}));
        selection.minOwing = Money::fromCents(1749);
        QVERIFY(labelled(*db, selection).contains(str("101")));

        selection = asOf();
        selection.minDays = 30;
        QCOMPARE(labelled(*db, selection), QStringList({str("200"), str("101"), str("103")}));

        selection = asOf();
        selection.currencyId = 2;
        QCOMPARE(labelled(*db, selection), QStringList({str("102")}));
        selection.customerId = 3;
        QVERIFY(labelled(*db, selection).isEmpty());
        selection = asOf();
        selection.customerId = 3;
        QCOMPARE(labelled(*db, selection), QStringList({str("101")}));
    }

    void labelsAskFirstAndNeedTheTemplate_data() { testdb::addEngineRows(); }
    void labelsAskFirstAndNeedTheTemplate()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        QTemporaryDir dir;
        ReportSelection selection = asOf();
        selection.minDays = 30;

        // Cancel: nothing else is said or printed.
        ScriptedDialogs cancel({Dialogs::Cancel});
        report::PageList pages;
        QVERIFY(!printStatementLabels(*db, dir.path(), cancel, selection, pages, kOptions));
        QCOMPARE(cancel.texts(), QStringList{kInsertLabels});
        QVERIFY(pages.pages.empty());

        // No template: the warning after the question.
        ScriptedDialogs missing({Dialogs::Ok});
        QVERIFY(!printStatementLabels(*db, dir.path(), missing, selection, pages, kOptions));
        QCOMPARE(missing.texts(),
                 QStringList({kInsertLabels, missingTemplateText(labelTemplatePath(dir.path()))}));
        QCOMPARE(missing.shown().at(1).kind, Dialogs::Kind::Warning);
        QVERIFY(pages.pages.empty());

        // The template prints the customer's own name, not the county's ship-to name.
        QVERIFY(QFile::copy(QStringLiteral(TALLYWICK_DOCS_DIR "/ARLabel.rtm"),
                            labelTemplatePath(dir.path())));
        ScriptedDialogs ok({Dialogs::Ok});
        QCOMPARE(printStatementLabels(*db, dir.path(), ok, selection, pages, kOptions),
                 std::optional<int>(1));
        QCOMPARE(ok.texts(), QStringList{kInsertLabels});
        QCOMPARE(pageTexts(pages.pages.at(0)),
                 QStringList({str("Aaron County Office"), str("PO Box 9"), str("Suite 2"),
                              str("Xenia, OH"), str("Adams, Ann"), str("12 Elm St"),
                              str("Dayton, OH  45402"), str("Carter, Cy")}));
    }
};

QTEST_MAIN(TestArStatements)
#include "test_arstatements.moc"

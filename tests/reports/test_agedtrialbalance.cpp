// The aged trial balance over a planted ledger: the age columns at their boundaries, credits and
// invoices dated after the as-of date, domestic conversion, the customer selection, and the
// printed pages, the same on both engines.
#include "arworld.h"
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "report/pagemodel.h"
#include "reports/aged/agedtrialbalance.h"
#include "testdatabases.h"

#include <QTest>

using namespace reports;

namespace
{

const QDate kAsOf(2023, 3, 31);
const report::RunOptions kOptions{QDateTime(QDate(2023, 4, 3), QTime(14, 5)), {}};

using arworld::str;

void addOpen(Database& db, int id, int customerId, const QString& no, QDate date, qint64 owing,
             const QVariantMap& more = {})
{
    QVariantMap values = {{str("InvoiceDate"), date},
                          {str("InvoiceAmount"), owing < 0 ? owing : owing + 100000},
                          {str("Owing"), owing},
                          {str("Posted"), true},
                          {str("Description"), str("Meals ") + no}};
    values.insert(more);
    arworld::addInvoice(db, id, customerId, no, values);
}

// Ann's invoices sit on the age boundaries; Bob's currency converts at 1.25; Cy owes 99.99
// in all; the county funds Ann's meals; Zoe's currency has no row and never shows.
void plantLedger(Database& db)
{
    arworld::createTables(db);
    arworld::addCurrency(db, 1, str("US Dollar"), 0);
    arworld::addCurrency(db, 2, str("Canadian Dollar"), 1.25);
    auto customer = [&db](int id, const char* no, const char* name, const char* type,
                          int currency) {
        arworld::addCustomer(db, id, str(no), str(name), str(type),
                             {{str("CurrencyID"), currency},
                              {str("Contact"), str(name).section(QLatin1Char(','), 0, 0)},
                              {str("Phone"), str("555-01") + str(no).right(2)}});
    };
    customer(1, "101", "Adams, Ann", "C", 1);
    customer(2, "102", "baker, Bob", "C", 2);
    customer(3, "103", "Carter, Cy", "C", 1);
    customer(4, "200", "County Aging Office", "F", 1);
    customer(5, "104", "Zed, Zoe", "C", 9);

    addOpen(db, 1, 1, str("1001"), QDate(2023, 3, 1), 100000);   // 30 days: current
    addOpen(db, 2, 1, str("1002"), QDate(2023, 2, 28), 200000);  // 31: over 30
    addOpen(db, 3, 1, str("1003"), QDate(2023, 1, 30), 300000);  // 60: over 30
    addOpen(db, 4, 1, str("1004"), QDate(2023, 1, 29), 400000);  // 61: over 60
    addOpen(db, 5, 1, str("1005"), QDate(2022, 12, 31), 500000); // 90: over 60
    addOpen(db, 6, 1, str("1006"), QDate(2022, 12, 30), 600000); // 91: over 90
    addOpen(db, 7, 1, str("1007"), QDate(2023, 4, 5), 50000, {{str("Posted"), false}});
    addOpen(db, 8, 1, str("C1008"), QDate(2022, 11, 15), -75000); // a credit, over 90
    addOpen(db, 9, 1, str("1009"), QDate(2023, 2, 1), 0);         // paid: not listed

    addOpen(db, 10, 2, str("2001"), QDate(2023, 3, 20), 400100);
    addOpen(db, 11, 2, str("2002"), QDate(2023, 1, 10), 1000000);

    addOpen(db, 12, 3, str("3001"), QDate(2022, 12, 1), 500000);
    addOpen(db, 13, 3, str("3002"), QDate(2023, 3, 2), 499900);

    addOpen(db, 14, 4, str("4001"), QDate(2023, 2, 15), 2500000,
            {{str("CustomerType"), str("F")}, {str("Recip_ID"), str("101")}});
    addOpen(db, 15, 4, str("4002"), QDate(2023, 2, 15), 1200000,
            {{str("CustomerType"), str("F")}, {str("Recip_ID"), QString()}});

    addOpen(db, 16, 5, str("5001"), QDate(2023, 1, 1), 990000);
}

QStringList invoiceNos(const std::vector<AgedLine>& lines)
{
    QStringList nos;
    for (const AgedLine& line : lines)
        nos << line.invoiceNo;
    return nos;
}

AgedSelection asOf()
{
    AgedSelection selection;
    selection.asOf = kAsOf;
    return selection;
}

} // namespace

class TestAgedTrialBalance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void linesAreAgedAndConverted_data() { testdb::addEngineRows(); }
    void linesAreAgedAndConverted()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        const std::vector<AgedLine> lines = agedLines(*db, asOf());

        // By name without regard to case, then date; Zoe (no currency row) and paid ones absent.
        QCOMPARE(invoiceNos(lines),
                 QStringList({str("C1008"), str("1006"), str("1005"), str("1004"), str("1003"),
                              str("1002"), str("1001"), str("1007"), str("2002"), str("2001"),
                              str("3001"), str("3002"), str("4001"), str("4002")}));
        QList<int> ages, columns;
        for (int i = 0; i < 8; ++i) {
            ages << lines[i].age;
            columns << lines[i].column;
        }
        QCOMPARE(ages, QList<int>({136, 91, 90, 61, 60, 31, 30, -5}));
        QCOMPARE(columns, QList<int>({3, 3, 2, 2, 1, 1, 0, 0}));

        // Rate 0 leaves the owing as it is; 1.25 converts and rounds to cents.
        QCOMPARE(lines[0].owingDomestic, Money::fromRaw(-75000));
        QCOMPARE(lines[9].owingDomestic, Money::fromCents(5001)); // 40.01 x 1.25 = 50.0125
        QCOMPARE(lines[8].owingDomestic, Money::fromCents(12500));
        QCOMPARE(lines[0].customerNamePhone, str("Adams  555-0101"));

        // A funder's invoice names the client it is for; without one, its own description.
        QCOMPARE(lines[12].description, str("Adams, Ann"));
        QCOMPARE(lines[13].description, str("Meals 4002"));
    }

    void customersAreSelected_data() { testdb::addEngineRows(); }
    void customersAreSelected()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);

        // Cy owes 99.99 in all: out at a minimum of 100, in at 99.99.
        AgedSelection selection = asOf();
        selection.minOwing = Money::fromCents(10000);
        QStringList nos = invoiceNos(agedLines(*db, selection));
        QVERIFY(!nos.contains(str("3001")) && !nos.contains(str("3002")));
        QCOMPARE(nos.size(), 12);
        selection.minOwing = Money::fromCents(9999);
        QVERIFY(invoiceNos(agedLines(*db, selection)).contains(str("3002")));

        // Days old from the oldest open invoice: Ann's credit is 136 days old, Cy's 120.
        selection = asOf();
        selection.minDays = 121;
        QCOMPARE(invoiceNos(agedLines(*db, selection)).size(), 8);
        selection.minDays = 120;
        QCOMPARE(invoiceNos(agedLines(*db, selection)).size(), 10);

        // One currency, one customer: bound, not pasted.
        selection = asOf();
        selection.currencyId = 2;
        QCOMPARE(invoiceNos(agedLines(*db, selection)), QStringList({str("2002"), str("2001")}));
        selection = asOf();
        selection.customerId = 4;
        QCOMPARE(invoiceNos(agedLines(*db, selection)), QStringList({str("4001"), str("4002")}));
        selection.currencyId = 2;
        QVERIFY(agedLines(*db, selection).empty());
    }

    // Both engines list the lines in one order: a customer without a name first (one engine
    // sorts a missing value first, the other last), and two invoices of one number and date by
    // when they were made.
    void orderIsTheSameOnEveryEngine_data() { testdb::addEngineRows(); }
    void orderIsTheSameOnEveryEngine()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        arworld::addCustomer(*db, 6, str("105"), QString(), str("C"), {{str("CurrencyID"), 1}});
        addOpen(*db, 18, 6, str("6001"), QDate(2023, 3, 1), 10000);
        addOpen(*db, 17, 3, str("3002"), QDate(2023, 3, 2), 100);

        const QStringList nos = invoiceNos(agedLines(*db, asOf()));
        QCOMPARE(nos.first(), str("6001"));
        const std::vector<AgedLine> cy = [&] {
            AgedSelection selection = asOf();
            selection.customerId = 3;
            return agedLines(*db, selection);
        }();
        QCOMPARE(invoiceNos(cy), QStringList({str("3001"), str("3002"), str("3002")}));
        QCOMPARE(cy[1].owing, Money::fromRaw(499900));
        QCOMPARE(cy[2].owing, Money::fromRaw(100));
    }

    void printedPages_data() { testdb::addEngineRows(); }
    void printedPages()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        AgedSelection selection = asOf();
        selection.minOwing = Money::fromCents(10000);
        report::RunOptions options = kOptions;
        options.parameters = agedHeadings(selection, {}, {});
        report::PageModelOutput model;
        QCOMPARE(printAgedTrialBalance(agedLines(*db, selection), model, options), 1);
        COMPARE_WITH_EXPECTED(model.text, QStringLiteral(TALLYWICK_EXPECTED_DIR "/aged.txt"));
    }

    void headingsNameTheSelection()
    {
        AgedSelection selection = asOf();
        selection.currencyId = 2;
        selection.customerId = 1;
        selection.minOwing = Money::fromCents(123456);
        selection.minDays = 45;
        const QHash<QString, QString> headings =
            agedHeadings(selection, str("Canadian Dollar"), str("Adams, Ann"));
        QCOMPARE(headings.value(str("Selection1")),
                 str("     Currency: Canadian Dollar     Customer: Adams, Ann"));
        QCOMPARE(headings.value(str("Selection2")),
                 str("     Min Owing: 1,234.56     Min Days Old: 45"));
        QCOMPARE(headings.value(str("Heading")), str("Aged as of: 31 Mar 23"));
        QVERIFY(agedHeadings(asOf(), {}, {}).value(str("Selection2")).isEmpty());
    }
};

QTEST_MAIN(TestAgedTrialBalance)
#include "test_agedtrialbalance.moc"

// The AR history over a planted ledger: the period's invoices and cheques and nothing of other
// periods, the currency and customer conditions, the counts and totals of the summary, and the
// printed pages, the same on both engines.
#include "arworld.h"
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "report/pagemodel.h"
#include "reports/history/arhistory.h"
#include "testdatabases.h"

#include <QTest>

using namespace reports;

namespace
{

const report::RunOptions kOptions{QDateTime(QDate(2001, 9, 3), QTime(9, 30)), {}};

using arworld::str;

void addInvoice(Database& db, int id, int customerId, const QString& no, QDate date, qint64 amount,
                int year, int period)
{
    arworld::addInvoice(db, id, customerId, no,
                        {{str("InvoiceDate"), date},
                         {str("InvoiceAmount"), amount},
                         {str("Owing"), amount},
                         {str("GLYear"), year},
                         {str("GLPeriod"), period},
                         {str("Posted"), true}});
}

void addPayment(Database& db, int id, int customerId, const QString& chequeNo, QDate date,
                qint64 amount, int year, int period)
{
    records::insert(db, ar::arPmt(),
                    {{str("PaymentID"), id},
                     {str("CustomerID"), customerId},
                     {str("ChequeNo"), chequeNo},
                     {str("PaymentDate"), date},
                     {str("ChequeAmount"), amount},
                     {str("GLYear"), year},
                     {str("GLPeriod"), period},
                     {str("Posted"), true}});
}

// August 2001: Ann has two invoices and a cheque, her namesake (another client) one invoice;
// Bob, in Canadian dollars, an invoice and two cheques alike in every column; Cy only a cheque.
// Documents of July 2001 and of August 2002 stay out of the period.
void plantLedger(Database& db)
{
    arworld::createTables(db);
    arworld::addCurrency(db, 1, str("US Dollar"));
    arworld::addCurrency(db, 2, str("Canadian Dollar"));
    auto customer = [&db](int id, const char* no, const char* name, int currency) {
        arworld::addCustomer(
            db, id, str(no), str(name), str("C"),
            {{str("CurrencyID"), currency}, {str("Contact"), str("Mrs. ") + str(no)}});
    };
    customer(1, "101", "Adams, Ann", 1);
    customer(2, "102", "baker, Bob", 2);
    customer(3, "103", "Carter, Cy", 1);
    customer(4, "099", "adams, ann", 1);

    addInvoice(db, 1, 1, str("1002"), QDate(2001, 8, 14), 250000, 2001, 8);
    addInvoice(db, 2, 1, str("1001"), QDate(2001, 8, 2), 12345000, 2001, 8);
    addInvoice(db, 3, 4, str("1003"), QDate(2001, 8, 20), 100000, 2001, 8);
    addInvoice(db, 4, 2, str("2001"), QDate(2001, 8, 5), 400100, 2001, 8);
    addInvoice(db, 5, 1, str("0901"), QDate(2001, 7, 30), 990000, 2001, 7);
    addInvoice(db, 6, 2, str("2901"), QDate(2002, 8, 1), 990000, 2002, 8);
    addInvoice(db, 7, 3, str("3001"), QDate(2001, 12, 3), 75000, 2001, 12);

    addPayment(db, 1, 1, str("5521"), QDate(2001, 8, 20), 250000, 2001, 8);
    addPayment(db, 2, 2, str("77"), QDate(2001, 8, 21), 100000, 2001, 8);
    addPayment(db, 3, 2, str("77"), QDate(2001, 8, 21), 100000, 2001, 8);
    addPayment(db, 4, 3, str("C-9"), QDate(2001, 8, 30), 550000, 2001, 8);
    addPayment(db, 5, 3, str("C-8"), QDate(2001, 7, 30), 550000, 2001, 7);
    addPayment(db, 6, 3, str("C-7"), QDate(2002, 8, 30), 550000, 2002, 8);
}

HistorySelection august2001()
{
    HistorySelection selection;
    selection.period = 8;
    selection.year = 2001;
    return selection;
}

// Each line as kind, customer and number: "I 101 1001".
QStringList described(const std::vector<HistoryLine>& lines)
{
    QStringList all;
    for (const HistoryLine& line : lines)
        all << QStringLiteral("%1 %2 %3")
                   .arg(line.kind == HistoryLine::Kind::Invoice ? QStringLiteral("I")
                                                                : QStringLiteral("P"),
                        line.customerNo, line.number);
    return all;
}

// The summary's two lines as printed, from a run's page model.
QStringList totalLines(const QString& pages)
{
    QStringList found;
    for (const QString& line : pages.split(QLatin1Char('\n')))
        if (line.contains(QStringLiteral(" invoices")) || line.contains(QStringLiteral(" checks")))
            found << line.section(QLatin1Char('"'), -2, -2);
    return found;
}

QString printed(Database& db, const HistorySelection& selection)
{
    report::PageModelOutput model;
    report::RunOptions options = kOptions;
    options.parameters = historyHeadings(selection, {}, {});
    printHistory(db, selection, model, options);
    return model.text;
}

} // namespace

class TestArHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void periodsDocumentsInCustomerOrder_data() { testdb::addEngineRows(); }
    void periodsDocumentsInCustomerOrder()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        const std::vector<HistoryLine> lines = historyLines(*db, august2001());
        // Namesakes by number, never interleaved; invoices before cheques; both of Bob's
        // identical cheques; July 2001 and August 2002 left out.
        QCOMPARE(
            described(lines),
            QStringList({str("I 099 1003"), str("I 101 1001"), str("I 101 1002"), str("P 101 5521"),
                         str("I 102 2001"), str("P 102 77"), str("P 102 77"), str("P 103 C-9")}));
        QCOMPARE(lines[1].date, QDate(2001, 8, 2));
        QCOMPARE(lines[1].amount, Money::fromCents(123450));
        QCOMPARE(lines[1].customerName, str("Adams, Ann"));
        QCOMPARE(lines[1].contact, str("Mrs. 101"));
        QCOMPARE(lines[7].date, QDate(2001, 8, 30));

        HistorySelection december = august2001();
        december.period = 12;
        QCOMPARE(described(historyLines(*db, december)), QStringList({str("I 103 3001")}));
    }

    void currencyAndCustomerNarrowIt_data() { testdb::addEngineRows(); }
    void currencyAndCustomerNarrowIt()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        HistorySelection selection = august2001();
        selection.currencyId = 2;
        QCOMPARE(described(historyLines(*db, selection)),
                 QStringList({str("I 102 2001"), str("P 102 77"), str("P 102 77")}));
        selection = august2001();
        selection.customerId = 1;
        QCOMPARE(described(historyLines(*db, selection)),
                 QStringList({str("I 101 1001"), str("I 101 1002"), str("P 101 5521")}));
        selection.currencyId = 2; // Ann pays in US dollars
        QVERIFY(historyLines(*db, selection).empty());
        selection.currencyId = 1;
        QCOMPARE(historyLines(*db, selection).size(), size_t(3));
    }

    void summaryCountsAndTotals_data() { testdb::addEngineRows(); }
    void summaryCountsAndTotals()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        QCOMPARE(totalLines(printed(*db, august2001())),
                 QStringList({str("4 invoices   1,309.51"), str("4 checks   100.00")}));

        // Cy had only a cheque in August, and only an invoice in December.
        HistorySelection selection = august2001();
        selection.customerId = 3;
        QCOMPARE(totalLines(printed(*db, selection)),
                 QStringList({str("0 invoices"), str("1 checks   55.00")}));
        selection.period = 12;
        QCOMPARE(totalLines(printed(*db, selection)),
                 QStringList({str("1 invoices   7.50"), str("0 checks")}));
    }

    void headingsNameThePeriodAndSelection()
    {
        HistorySelection selection = august2001();
        QCOMPARE(historyHeadings(selection, {}, {}).value(str("Heading")), str("Period: 08/2001"));
        QVERIFY(historyHeadings(selection, {}, {}).value(str("Selection1")).isEmpty());
        selection.period = 12;
        selection.currencyId = 2;
        selection.customerId = 2;
        const QHash<QString, QString> headings =
            historyHeadings(selection, str("Canadian Dollar"), str("baker, Bob"));
        QCOMPARE(headings.value(str("Heading")), str("Period: 12/2001"));
        QCOMPARE(headings.value(str("Selection1")),
                 str("     Currency: Canadian Dollar     Customer: baker, Bob"));
    }

    void printedPages_data() { testdb::addEngineRows(); }
    void printedPages()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        COMPARE_WITH_EXPECTED(printed(*db, august2001()),
                              QStringLiteral(TALLYWICK_EXPECTED_DIR "/history.txt"));
    }
};

QTEST_MAIN(TestArHistory)
#include "test_arhistory.moc"

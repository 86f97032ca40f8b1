// The register and customer lists on paper and the time-period lists laid out by the user's
// templates, on both engines: the rows the register shows and no others, the cells as the
// register writes them, exact totals (credits included), an empty list, the period's first and
// last days, the order each menu entry names, and the templates refused.
#include "arworld.h"
#include "common/formatsettings.h"
#include "expectedfile.h"
#include "report/pagemodel.h"
#include "reports/namedsources.h"
#include "reports/registerlists/timeperiodlists.h"
#include "reports/registerlists/trptarinvoices.h"
#include "reports/registerlists/trptarpayments.h"
#include "reports/registerlists/trptcustomers.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace reports;

namespace
{

const QDate kToday(2024, 3, 31);
const report::RunOptions kOptions{QDateTime(QDate(2024, 4, 2), QTime(9, 30)), {}};
const TimePeriod kFebruary{QDate(2024, 2, 1), QDate(2024, 2, 29)};

using arworld::str;

// The printed lines: the texts of each page's lines top to bottom, each line left to right.
QList<QStringList> printedLines(const QString& pageModel)
{
    static const QRegularExpression text(
        QStringLiteral("^text ([\\d.]+) ([\\d.]+) .*\"((?:[^\"\\\\]|\\\\.)*)\"$"));
    QList<QStringList> lines;
    std::map<double, std::map<double, QString>> page;
    auto flush = [&] {
        for (const auto& [y, cells] : page) {
            QStringList line;
            for (const auto& [x, cell] : cells)
                line << cell;
            lines << line;
        }
        page.clear();
    };
    for (const QString& line : pageModel.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("page ")))
            flush();
        const QRegularExpressionMatch m = text.match(line);
        if (m.hasMatch())
            page[m.captured(2).toDouble()][m.captured(1).toDouble()] = m.captured(3);
    }
    flush();
    return lines;
}

QStringList lineWith(const QList<QStringList>& lines, const QString& cell)
{
    for (const QStringList& line : lines) {
        if (line.contains(cell))
            return line;
    }
    return {};
}

int pagesIn(const QString& pageModel)
{
    return int(pageModel.count(
        QRegularExpression(QStringLiteral("^page "), QRegularExpression::MultilineOption)));
}

void addInvoice(Database& db, int id, int customer, const char* no, QDate date, qint64 amount,
                qint64 owing, const QVariantMap& more = {})
{
    QVariantMap values = {{str("InvoiceDate"), date},   {str("InvoiceAmount"), amount},
                          {str("Owing"), owing},        {str("GLPeriod"), date.month()},
                          {str("GLYear"), date.year()}, {str("Description"), str("Meals")}};
    values.insert(more);
    arworld::addInvoice(db, id, customer, str(no), values);
}

void addPayment(Database& db, int id, int customer, const char* no, QDate date, qint64 amount,
                bool posted, bool reconciled)
{
    records::insert(db, ar::arPmt(),
                    {{str("PaymentID"), id},
                     {str("CustomerID"), customer},
                     {str("ChequeNo"), str(no)},
                     {str("PaymentDate"), date},
                     {str("ChequeAmount"), amount},
                     {str("GLPeriod"), date.month()},
                     {str("GLYear"), date.year()},
                     {str("Posted"), posted},
                     {str("Reconciled"), reconciled}});
}

// Zoe has the lower number, Ann the earlier name. Invoices and cheques sit on either side of
// February's first and last days.
void plantLedger(Database& db)
{
    arworld::createTables(db);
    arworld::addCustomer(db, 1, str("101"), str("Zed, Zoe"), str("C"), {{str("CurrencyID"), 1}});
    arworld::addCustomer(db, 2, str("102"), str("Adams, Ann"), str("C"), {{str("CurrencyID"), 2}});

    addInvoice(db, 1, 1, "1001", QDate(2024, 1, 31), 12345600, 10000000,
               {{str("Printed"), true}, {str("Posted"), true}, {str("Description"), str("Jan")}});
    addInvoice(db, 2, 1, "1002", QDate(2024, 2, 1), 1000000, 0, {{str("Posted"), true}});
    addInvoice(db, 3, 2, "1003", QDate(2024, 2, 29), -300000, -300000);
    addInvoice(db, 4, 2, "1004", QDate(2024, 3, 1), 100, 100);
    addInvoice(db, 5, 2, "1005", QDate(2024, 2, 10), 500000, 500000);

    addPayment(db, 1, 2, "501", QDate(2024, 2, 1), 500000, true, true);
    addPayment(db, 2, 1, "502", QDate(2024, 2, 29), 200000, false, false);
    addPayment(db, 3, 1, "503", QDate(2024, 3, 1), 72500, false, false);
    addPayment(db, 4, 2, "504", QDate(2024, 2, 15), 125000, true, false);
    addPayment(db, 5, 1, "500", QDate(2024, 1, 31), 30000, false, false);
}

QString printed(const TrptARInvoices& list)
{
    report::PageModelOutput model;
    list.print(model, kOptions);
    return model.text;
}

// A template over `source` that prints one field per row below a heading with the period.
void writeTemplate(const QString& fileName, const QString& source, const QString& field,
                   const QString& orderBy = {})
{
    QString text = QStringLiteral(
        "{'format': 'tallywick-report', 'source': '%1', %3 'bands': {"
        " 'title': {'height': 12, 'elements': ["
        "  {'type': 'system', 'value': 'Parameter', 'name': 'DateFrom', 'prefix': 'From ',"
        "   'width': 100},"
        "  {'type': 'system', 'value': 'Parameter', 'name': 'DateTo', 'prefix': 'to ', 'x': 120}]},"
        " 'detail': {'height': 10, 'elements': [{'type': 'field', 'field': '%2'}]}}}");
    const QString order =
        orderBy.isEmpty() ? QString() : QStringLiteral("'orderBy': ['%1'],").arg(orderBy);
    text = text.arg(source, field, order).replace(QLatin1Char('\''), QLatin1Char('"'));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// The rows a bound list prints, in order (the title line left out).
QStringList listedRows(BoundReport& list, const TimePeriod& period)
{
    report::PageModelOutput model;
    report::RunOptions options = kOptions;
    options.parameters = timePeriodParameters(period);
    list.print(model, options);
    QStringList rows;
    for (const QStringList& line : printedLines(model.text)) {
        if (!line.first().startsWith(QLatin1String("From ")))
            rows << line.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class TestRegisterLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void invoiceListPrintsWhatTheRegisterShows_data() { testdb::addEngineRows(); }
    void invoiceListPrintsWhatTheRegisterShows()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        RegisterView view;
        view.outstanding = true;
        const QString text = printed(TrptARInvoices(readRegister(*db, view), kToday));
        const QList<QStringList> lines = printedLines(text);

        // The paid invoice the register hides is not printed. The expected page holds the
        // register's order (newest first) and every cell.
        QVERIFY(lineWith(lines, str("1002")).isEmpty());
        QCOMPARE(lineWith(lines, str("1001")),
                 QStringList({str("101"), str("Zed, Zoe"), str("1001"), str("31 Jan 24"),
                              str("1,234.56"), str("1,000.00"), str("Yes"), str("1/2024"),
                              str("Yes"), str("60"), str("Jan")}));
        // 1,234.56 + 50.00 - 30.00 + 0.01 and 1,000.00 + 50.00 - 30.00 + 0.01.
        QCOMPARE(lineWith(lines, str("Report Totals:")),
                 QStringList({str("Report Totals:"), str("1,254.57"), str("1,020.01")}));
        COMPARE_WITH_EXPECTED(text, QStringLiteral(TALLYWICK_EXPECTED_DIR "/arinvoices.txt"));

        // The register's currency filter narrows the paper too; a credit makes the total one.
        view.filter.currencyId = 2;
        const QList<QStringList> ann =
            printedLines(printed(TrptARInvoices(readRegister(*db, view), kToday)));
        QVERIFY(lineWith(ann, str("1001")).isEmpty());
        QCOMPARE(lineWith(ann, str("Report Totals:")),
                 QStringList({str("Report Totals:"), str("20.01"), str("20.01")}));
        view.filter.description = str("nothing like it");
        const QString none = printed(TrptARInvoices(readRegister(*db, view), kToday));
        QCOMPARE(pagesIn(none), 1);
        QCOMPARE(lineWith(printedLines(none), str("Report Totals:")),
                 QStringList({str("Report Totals:"), str("0.00"), str("0.00")}));
    }

    void paymentListPrintsWhatTheRegisterShows_data() { testdb::addEngineRows(); }
    void paymentListPrintsWhatTheRegisterShows()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        PaymentView view;
        view.outstanding = true; // not reconciled
        report::PageModelOutput model;
        QCOMPARE(TrptARPayments(readPayments(*db, view)).print(model, kOptions), 1);
        const QList<QStringList> lines = printedLines(model.text);

        // The reconciled cheque is left out; the rest newest first, as the register lists them.
        QStringList cheques;
        for (const QStringList& line : lines.mid(2, 4))
            cheques << line.value(2);
        QCOMPARE(cheques, QStringList({str("503"), str("502"), str("504"), str("500")}));
        QCOMPARE(lineWith(lines, str("504")),
                 QStringList({str("102"), str("Adams, Ann"), str("504"), str("15 Feb 24"),
                              str("12.50"), str("2/2024"), str("Yes"), str("No")}));
        QCOMPARE(lineWith(lines, str("Report Total:")),
                 QStringList({str("Report Total:"), str("42.75")}));

        // Sorted by cheque number and filtered to one customer, as the register is.
        view.order = PaymentOrder::ChequeNo;
        view.filter.customerId = 1;
        report::PageModelOutput zoe;
        TrptARPayments(readPayments(*db, view)).print(zoe, kOptions);
        const QList<QStringList> zoeLines = printedLines(zoe.text);
        QCOMPARE(zoeLines.indexOf(lineWith(zoeLines, str("500"))), 2);
        QVERIFY(lineWith(zoeLines, str("504")).isEmpty());
        QCOMPARE(lineWith(zoeLines, str("Report Total:")).last(), str("30.25"));
    }

    void customerListWrapsLongNotes()
    {
        const QString notes = str("Leave the meals with the neighbour at number 12 when nobody "
                                  "answers; call the daughter before noon on weekdays, never "
                                  "after six, and note any change of address on the route sheet.");
        report::PageModelOutput model;
        QCOMPARE(TrptCustomers({{str("101"), str("Zed, Zoe"), str("555-0101"), notes},
                                {str("102"), str("Adams, Ann"), QString(), QString()}})
                     .print(model, kOptions),
                 1);
        const QList<QStringList> lines = printedLines(model.text);
        QCOMPARE(lines.mid(0, 2), QList<QStringList>({{str("Customers")},
                                                      {str("Customer no."), str("Name"),
                                                       str("Phone"), str("Notes")}}));
        QCOMPARE(lineWith(lines, str("102")), QStringList({str("102"), str("Adams, Ann")}));
        QCOMPARE(lineWith(lines, str("101")).last(), notes); // whole, not cut
        QVERIFY(lineWith(lines, str("Report Totals:")).isEmpty());

        // The notes run onto further lines and push the next customer down below them.
        static const QRegularExpression wrapped(
            QStringLiteral("^text [\\d.]+ ([\\d.]+) [\\d.]+x([\\d.]+) .* wrap \""),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = wrapped.match(model.text);
        QVERIFY(m.hasMatch());
        const double top = m.captured(1).toDouble(), height = m.captured(2).toDouble();
        QVERIFY(height > 20);
        static const QRegularExpression next(QStringLiteral("^text [\\d.]+ ([\\d.]+) .* \"102\"$"),
                                             QRegularExpression::MultilineOption);
        QVERIFY(next.match(model.text).captured(1).toDouble() >= top + height);
    }

    void previousMonthIsTheDefaultPeriod()
    {
        const TimePeriod march = previousMonth(QDate(2024, 4, 30));
        QCOMPARE(march.from, QDate(2024, 3, 1));
        QCOMPARE(march.to, QDate(2024, 3, 31));
        const TimePeriod leap = previousMonth(QDate(2024, 3, 1));
        QCOMPARE(leap.to, QDate(2024, 2, 29));
        const TimePeriod december = previousMonth(QDate(2025, 1, 15));
        QCOMPARE(december.from, QDate(2024, 12, 1));
        QCOMPARE(december.to, QDate(2024, 12, 31));
    }

    void invoicesInTimePeriod_data() { testdb::addEngineRows(); }
    void invoicesInTimePeriod()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        QTemporaryDir dir;
        // The template's own order only breaks ties; the menu entry's order decides.
        writeTemplate(timePeriodTemplatePath(dir.path(), TimePeriodList::InvoicesById),
                      str("ARInv"), str("InvoiceNo"), str("InvoiceNo"));
        writeTemplate(timePeriodTemplatePath(dir.path(), TimePeriodList::InvoicesByName),
                      str("ARInv"), str("InvoiceNo"));
        ScriptedDialogs dialogs;

        // 31 January and 1 March fall outside; 1 and 29 February are in.
        auto byId =
            openTimePeriodList(TimePeriodList::InvoicesById, kFebruary, dir.path(), dialogs, *db);
        QVERIFY(byId);
        QCOMPARE(listedRows(*byId, kFebruary),
                 QStringList({str("1002"), str("1005"), str("1003")}));
        auto byName =
            openTimePeriodList(TimePeriodList::InvoicesByName, kFebruary, dir.path(), dialogs, *db);
        QVERIFY(byName);
        QCOMPARE(listedRows(*byName, kFebruary),
                 QStringList({str("1005"), str("1003"), str("1002")}));
        QCOMPARE(dialogs.texts(), QStringList());

        // One day: its own invoices only.
        const TimePeriod leapDay{QDate(2024, 2, 29), QDate(2024, 2, 29)};
        auto oneDay =
            openTimePeriodList(TimePeriodList::InvoicesById, leapDay, dir.path(), dialogs, *db);
        QCOMPARE(listedRows(*oneDay, leapDay), QStringList({str("1003")}));
    }

    void paymentsInTimePeriod_data() { testdb::addEngineRows(); }
    void paymentsInTimePeriod()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        QTemporaryDir dir;
        for (TimePeriodList list : {TimePeriodList::PaymentsByDate, TimePeriodList::PaymentsById})
            writeTemplate(timePeriodTemplatePath(dir.path(), list), str("ARPmt"), str("ChequeNo"));
        ScriptedDialogs dialogs;
        auto byDate =
            openTimePeriodList(TimePeriodList::PaymentsByDate, kFebruary, dir.path(), dialogs, *db);
        QVERIFY(byDate);
        QCOMPARE(listedRows(*byDate, kFebruary), QStringList({str("501"), str("504"), str("502")}));
        auto byId =
            openTimePeriodList(TimePeriodList::PaymentsById, kFebruary, dir.path(), dialogs, *db);
        QVERIFY(byId);
        QCOMPARE(listedRows(*byId, kFebruary), QStringList({str("502"), str("501"), str("504")}));
    }

    void timePeriodTemplatesRefused_data() { testdb::addEngineRows(); }
    void timePeriodTemplatesRefused()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;

        const QString missing = timePeriodTemplatePath(dir.path(), TimePeriodList::PaymentsById);
        QVERIFY(missing.endsWith(str("/PaymentsInTimePeriodByID.rtm")));
        QVERIFY(
            !openTimePeriodList(TimePeriodList::PaymentsById, kFebruary, dir.path(), dialogs, *db));
        QCOMPARE(dialogs.texts(),
                 QStringList({kMissingReportTemplate + QDir::toNativeSeparators(missing)}));
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Warning);

        // A payment template where invoices are listed would print the wrong rows.
        const QString wrong = timePeriodTemplatePath(dir.path(), TimePeriodList::InvoicesById);
        writeTemplate(wrong, str("ARPmt"), str("ChequeNo"));
        ScriptedDialogs refused;
        QVERIFY(
            !openTimePeriodList(TimePeriodList::InvoicesById, kFebruary, dir.path(), refused, *db));
        QCOMPARE(
            refused.texts(),
            QStringList({QDir::toNativeSeparators(wrong) +
                         str(": source: this list prints the rows of \"ARInv\", not \"ARPmt\"")}));
        QCOMPARE(refused.shown().first().kind, Dialogs::Kind::Error);
    }

    void shippedExamplesPrint_data() { testdb::addEngineRows(); }
    void shippedExamplesPrint()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        plantLedger(*db);
        ScriptedDialogs dialogs;
        for (TimePeriodList list : {TimePeriodList::InvoicesById, TimePeriodList::InvoicesByName,
                                    TimePeriodList::PaymentsByDate, TimePeriodList::PaymentsById}) {
            auto bound = openTimePeriodList(list, kFebruary, QStringLiteral(TALLYWICK_DOCS_DIR),
                                            dialogs, *db);
            QVERIFY2(bound, qPrintable(dialogs.texts().join(QLatin1Char('\n'))));
            report::PageModelOutput model;
            report::RunOptions options = kOptions;
            options.parameters = timePeriodParameters(kFebruary);
            QCOMPARE(bound->print(model, options), 1);
            QVERIFY2(model.text.contains(str("2/29/2024")), qPrintable(model.text));
        }
    }
};

QTEST_MAIN(TestRegisterLists)
#include "test_registerlists.moc"

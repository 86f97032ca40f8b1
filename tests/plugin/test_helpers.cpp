// Rounding, typed dates, text utilities, the service number, access and the printer check.
#include "common/conversionerrors.h"
#include "common/date2000.h"
#include "common/datereader.h"
#include "common/printercheck.h"
#include "common/roundit.h"
#include "common/textwords.h"
#include "plugin/serviceid.h"

#include <QTest>
#include <limits>
#include <stdexcept>

namespace
{

FormatSettings withDate(const char* shortDateFormat, const char* separator = "/")
{
    FormatSettings settings;
    settings.shortDateFormat = QString::fromLatin1(shortDateFormat);
    settings.dateSeparator = QString::fromLatin1(separator);
    return settings;
}

struct DateCase {
    const char* format;
    const char* separator;
    const char* text;
    QDate expected;
};

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        setPrinterNameSource({});
        setPdfOutputFolderSource({});
        setCurrentFormatSettings(FormatSettings::us());
    }

    void roundsHalfAwayFromZeroAfterNoise()
    {
        const struct {
            double value;
            double expected;
        } cases[] = {{2.5, 3},     {-2.5, -3}, {2.4999999999, 3}, {-2.4999999999, -3},
                     {2.49999, 2}, {0.4999, 0}};
        for (const auto& c : cases)
            QCOMPARE(double(RoundIt(c.value)), c.expected);

        // 1.005, -1.005 and 0.285 are held in binary just below their half cent.
        const struct {
            double amount;
            double cents;
        } money[] = {{1234.565, 123457}, {-1.005, -101}, {0.285, 29}, {1.0049, 100}};
        for (const auto& c : money) {
            QCOMPARE(double(RoundIt(static_cast<long double>(c.amount) * 100)), c.cents);
            QCOMPARE(double(RoundIt(static_cast<long double>(c.amount) * 100) / 100),
                     c.cents / 100);
        }

        // values too large to scale come back unchanged
        const long double huge = std::numeric_limits<long double>::max() / 2;
        QCOMPARE(RoundIt(huge), huge);
        QCOMPARE(RoundIt(-huge), -huge);
        const long double infinity = std::numeric_limits<long double>::infinity();
        QCOMPARE(RoundIt(infinity), infinity);
    }

    void readsDatesInTheUsersOrderOrRefusesThem()
    {
        const DateCase cases[] = {
            {"M/d/yyyy", "/", "3/4/2024", QDate(2024, 3, 4)},
            {"M/d/yyyy", "/", "3/4/24", QDate(1924, 3, 4)}, // two-digit year as 19yy
            {"M/d/yyyy", "/", "3/4/999", QDate(999, 3, 4)},
            {"M/d/yyyy", "/", "  3/ 4 /2024 ", QDate(2024, 3, 4)},
            {"d/M/yyyy", "/", "3/4/2024", QDate(2024, 4, 3)},
            {"dd/mm/yyyy", "/", "3/4/2024", QDate(2024, 4, 3)},
            {"yyyy/MM/dd", "/", "2024/4/3", QDate(2024, 4, 3)},
            {"dd/MM/yyyy", ".", "31.12.2023", QDate(2023, 12, 31)}};
        for (const DateCase& c : cases)
            QCOMPARE(readDate(QString::fromLatin1(c.text), withDate(c.format, c.separator)),
                     c.expected);

        const int yearBefore = QDate::currentDate().year();
        const QDate mdy = readDate(QStringLiteral("3/4"), withDate("M/d/yyyy"));
        const QDate dmy = readDate(QStringLiteral("3/4"), withDate("d/M/yyyy"));
        const QDate ymd = readDate(QStringLiteral("3/4"), withDate("yyyy/M/d"));
        const int yearAfter = QDate::currentDate().year();
        QVERIFY(mdy.year() == yearBefore || mdy.year() == yearAfter);
        QCOMPARE(mdy, QDate(mdy.year(), 3, 4));
        QCOMPARE(dmy, QDate(dmy.year(), 4, 3));
        QCOMPARE(ymd, QDate(ymd.year(), 3, 4));

        const char* texts[] = {"",          "tomorrow",   "12",         "1/2/2024/5", "1//2024",
                               "13/1/2024", "2/29/00",    "1/004/2024", "1/4/20245",  "-1/4/2024",
                               "1/4x/2024", "1/1 2/2024", "1-4-2024"};
        for (const char* text : texts) {
            try {
                readDate(QString::fromLatin1(text), withDate("M/d/yyyy"));
                QFAIL(text);
            } catch (const DateConversionError& error) {
                QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid date").arg(text));
                QCOMPARE(QString::fromStdString(error.what()), error.message());
            }
        }
        QVERIFY_THROWS_EXCEPTION(DateConversionError,
                                 readDate(QStringLiteral("12/31/2024"), withDate("d/M/yyyy")));
    }

    void movesTwoDigitYearsIntoTheBillingCentury()
    {
        const DateCase cases[] = {{"M/d/yyyy", "/", "02/29/00", QDate(2000, 2, 29)},
                                  {"M/d/yyyy", "/", "3/1/1945", QDate(2045, 3, 1)},
                                  {"M/d/yyyy", "/", "12/31/49", QDate(2049, 12, 31)},
                                  {"M/d/yyyy", "/", "3/1/50", QDate(1950, 3, 1)},
                                  {"M/d/yyyy", "/", "3/1/2050", QDate(2050, 3, 1)},
                                  {"M/d/yyyy", "/", "3/1/2051", QDate(1951, 3, 1)},
                                  {"M/d/yyyy", "/", "3/1/1899", QDate(1899, 3, 1)},
                                  {"d/M/yyyy", "/", "29/02/00", QDate(2000, 2, 29)},
                                  {"dd/MM/yyyy", ".", "01.03.2075", QDate(1975, 3, 1)},
                                  {"yyyy/MM/dd", "/", "45/3/1", QDate(2045, 3, 1)}};
        for (const DateCase& c : cases)
            QCOMPARE(Date2000(QString::fromLatin1(c.text), withDate(c.format, c.separator)),
                     c.expected);

        setCurrentFormatSettings(FormatSettings::dayMonthYear());
        QCOMPARE(Date2000(QStringLiteral("1/3/45")), QDate(2045, 3, 1));
        setCurrentFormatSettings(FormatSettings::us());
        QCOMPARE(Date2000(QStringLiteral("1/3/45")), QDate(2045, 1, 3));

        for (const char* text : {"soon", "2/29/01"})
            QVERIFY_THROWS_EXCEPTION(DateConversionError,
                                     Date2000(QString::fromLatin1(text), withDate("M/d/yyyy")));
        // The leap-day shortcut reads in the user's order, where 29 is no month.
        QVERIFY_THROWS_EXCEPTION(DateConversionError,
                                 Date2000(QStringLiteral("02/29/00"), withDate("d/M/yyyy")));
    }

    void splitsJoinsAndReplaces()
    {
        const struct {
            const char* text;
            const char* delimiter;
            QStringList words;
        } splits[] = {{"a,b,", ",", {"a", "b", ""}}, {"", ",", {""}},
                      {"a,b", "", {"a,b"}},          {"a--b--c", "--", {"a", "b", "c"}},
                      {"a---b", "--", {"a", "-b"}},  {"aXbxc", "x", {"aXb", "c"}}};
        for (const auto& c : splits) {
            const QString delimiter = QString::fromLatin1(c.delimiter);
            QCOMPARE(StringToWords(QString::fromLatin1(c.text), delimiter), c.words);
            if (!delimiter.isEmpty())
                QCOMPARE(WordsToString(c.words, delimiter), QString::fromLatin1(c.text));
        }
        QCOMPARE(WordsToString({}, QStringLiteral(",")), QString());

        const struct {
            const char* text;
            const char* token;
            const char* replacement;
            const char* expected;
        } replacements[] = {{"a--b--c", "--", "+", "a+b+c"},
                            {"a--b", "", "+", "a--b"},
                            {"aaa", "aa", "b", "ba"},
                            {"x%m", "%m", "%m%m", "x%m%m"}};
        for (const auto& c : replacements) {
            QString text = QString::fromLatin1(c.text);
            ReplaceToken(text, QString::fromLatin1(c.token), QString::fromLatin1(c.replacement));
            QCOMPARE(text, QString::fromLatin1(c.expected));
        }
    }

    void extractsServiceNumber()
    {
        const struct {
            const char* text;
            int expected;
            const char* notAnInteger = nullptr; // the part named when the number does not read
        } cases[] = {{"Meals [123]", 123}, {"Meals [1234]", 123},  {"Soup [x]", 0},
                     {"Soup [ 5]", 5},     {"A [1] B [2]", 1},     {"Soup [-5]", 0},
                     {"12 Lunch", 12},     {"Lunch", 0},           {"Lunch [   ]", 0},
                     {"Lunch [", 0},       {"Soup [1a]", 0, "1a"}, {"Soup [1 2]", 0, "1 2"},
                     {"1a", 0, "1a"}};
        for (const auto& c : cases) {
            try {
                QCOMPARE(ExtractServiceID(QString::fromLatin1(c.text)), c.expected);
                QVERIFY2(!c.notAnInteger, c.text);
            } catch (const IntegerConversionError& error) {
                QVERIFY2(c.notAnInteger, c.text);
                QCOMPARE(error.message(),
                         QStringLiteral("'%1' is not a valid integer value").arg(c.notAnInteger));
            }
        }
    }

    void printerDefinedByPrinterOrPdfFolder()
    {
        QVERIFY(!PrinterDefined());
        setPrinterNameSource([] { return QStringLiteral("Office Laser"); });
        QVERIFY(PrinterDefined());
        setPrinterNameSource([] { return QStringLiteral("  "); });
        QVERIFY(!PrinterDefined());
        setPdfOutputFolderSource([] { return QStringLiteral("/srv/reports"); });
        QVERIFY(PrinterDefined());
        setPdfOutputFolderSource({});
        QVERIFY(!PrinterDefined());

        // errors from either source count as no printer, never escape
        setPrinterNameSource(
            []() -> QString { throw std::runtime_error("no printers installed"); });
        QVERIFY(!PrinterDefined()); // an escaping error fails the test
        setPdfOutputFolderSource([] { return QStringLiteral("/srv/reports"); });
        QVERIFY(PrinterDefined());
        setPdfOutputFolderSource([]() -> QString { throw 42; });
        QVERIFY(!PrinterDefined());
    }
};

QTEST_MAIN(TestHelpers)
#include "test_helpers.moc"

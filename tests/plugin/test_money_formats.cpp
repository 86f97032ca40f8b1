// Money in and out: host values, typed amounts, exact sums and cent rounding; the workstation's
// conventions; amounts and dates written with the system's patterns.
#include "common/formats.h"
#include "common/formatsettings.h"
#include "common/money.h"

#include <QLocale>
#include <QTest>
#include <QVariant>
#include <cmath>
#include <limits>

char* toString(const Money& value)
{
    return QTest::toString(value.toPlainString());
}

namespace
{

constexpr qint64 kMaxRaw = std::numeric_limits<qint64>::max();
constexpr qint64 kMinRaw = std::numeric_limits<qint64>::min();

Money money(const char* plain)
{
    bool ok = false;
    const Money value = Money::fromHost(QString::fromLatin1(plain), &ok);
    if (!ok)
        qFatal("bad money literal %s", plain);
    return value;
}

// Day-first conventions with ',' for decimals, '.' for thousands and the symbol after.
FormatSettings european()
{
    FormatSettings settings = FormatSettings::dayMonthYear();
    settings.shortDateFormat = QStringLiteral("dd/MM/yyyy");
    settings.dateSeparator = QStringLiteral(".");
    settings.currencySymbol = QStringLiteral("€");
    settings.currencySymbolBefore = false;
    settings.currencySymbolSpaced = true;
    settings.negativeCurrencyInParentheses = false;
    settings.decimalSeparator = QStringLiteral(",");
    settings.thousandsSeparator = QStringLiteral(".");
    return settings;
}

} // namespace

class TestMoneyFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setCurrentFormatSettings(FormatSettings::us()); }

    void readsHostValuesOrRefusesThem()
    {
        // For 0.00145 a plain floating product gives 14.4999...
        const struct {
            QVariant value;
            qint64 raw;
        } cases[] = {{12.3456, 123456},
                     {0.1 + 0.2, 3000},
                     {-1.23455, -12346},
                     {0.00145, 15},
                     {-0.00145, -15},
                     {qlonglong(-3), -30000},
                     {QStringLiteral("-0.5"), -5000},
                     {QStringLiteral(" +7 "), 70000},
                     {QStringLiteral("5."), 50000},
                     {QStringLiteral("0.00005"), 1},
                     {QStringLiteral("0.0000499"), 0},
                     {QStringLiteral("922337203685477.5807"), kMaxRaw},
                     {QStringLiteral("-922337203685477.5808"), kMinRaw},
                     {QByteArray("1.5"), 15000},
                     {QVariant(), 0},
                     {QVariant(QMetaType::fromType<double>()), 0},
                     {QVariant::fromValue(Money::fromRaw(-420001)), -420001}};
        for (const auto& c : cases) {
            bool ok = false;
            QCOMPARE(Money::fromHost(c.value, &ok), Money::fromRaw(c.raw));
            QVERIFY(ok);
            QCOMPARE(Money::tryFromHost(c.value), std::optional(Money::fromRaw(c.raw)));
        }

        const QVariant values[] = {QStringLiteral("abc"),
                                   QStringLiteral("1.2.3"),
                                   QStringLiteral("1e5"),
                                   QStringLiteral("12,50"),
                                   QStringLiteral("."),
                                   QStringLiteral("922337203685477.5808"),
                                   QStringLiteral("922337203685477.58075"),
                                   1e30,
                                   std::nan(""),
                                   qlonglong(kMaxRaw),
                                   QDate(2024, 1, 5)};
        for (const QVariant& value : values) {
            bool ok = true;
            QCOMPARE(Money::fromHost(value, &ok), Money());
            QVERIFY2(!ok, qPrintable(value.toString()));
            QVERIFY(!Money::tryFromHost(value).has_value());
        }
    }

    void parsesTypedAmounts()
    {
        const struct {
            const char* text;
            bool european;
            qint64 raw;
        } cases[] = {{"$1,234.56", false, 12345600}, {"-$5", false, -50000},
                     {"$-5", false, -50000},         {"(1,000)", false, -10000000},
                     {"1.23456", false, 12346},      {"  12  ", false, 120000},
                     {"1.234,56 €", true, 12345600}, {"(3,5 €)", true, -35000}};
        for (const auto& c : cases) {
            const FormatSettings settings = c.european ? european() : FormatSettings::us();
            QCOMPARE(Money::parse(QString::fromUtf8(c.text), settings),
                     std::optional(Money::fromRaw(c.raw)));
        }

        for (const char* text :
             {"", "ten", "$", "(-5)", "--5", "5-", "€5", "1,000,000,000,000,000"})
            QVERIFY2(!Money::parse(QString::fromUtf8(text), FormatSettings::us()), text);
        QVERIFY(!Money::parse(QStringLiteral("1,234.56"), european()));
    }

    void sumsStayExactTextRoundTripsAndCentsRound()
    {
        const Money dime = money("0.1");
        Money total;
        for (int i = 0; i < 10; ++i)
            total += dime;
        QCOMPARE(total, money("1"));
        QCOMPARE(dime.times(10), total);
        total -= money("0.3");
        QCOMPARE(total, money("0.7"));
        QVERIFY(money("-0.0001") < Money());
        QVERIFY((money("0.3") - money("0.1") - money("0.2")).isZero());
        QCOMPARE(Money::fromCents(-1234), money("-12.34"));

        QCOMPARE(Money::fromRaw(12345600).toPlainString(), QStringLiteral("1234.5600"));
        QCOMPARE(Money::fromRaw(-100).toPlainString(), QStringLiteral("-0.0100"));
        for (qint64 raw : {kMaxRaw, kMinRaw, qint64(-1)})
            QCOMPARE(Money::fromHost(Money::fromRaw(raw).toPlainString()), Money::fromRaw(raw));

        const struct {
            const char* value;
            const char* cents;
        } cases[] = {{"1.2349", "1.23"},
                     {"1.235", "1.24"},
                     {"-1.235", "-1.24"},
                     {"0.0049", "0"},
                     {"9.995", "10"}};
        for (const auto& c : cases)
            QCOMPARE(money(c.value).roundedToCents(), money(c.cents));
    }

    void pricesLinesAndPercentages()
    {
        // The noisy cases are exact half cents that a plain floating product puts just below half.
        const struct {
            double quantity;
            const char* unitPrice;
            const char* amount;
        } lines[] = {{2.5, "0.01", "0.03"},
                     {0.35, "0.10", "0.04"},
                     {0.2, "0.175", "0.04"},
                     {1, "1234.565", "1234.57"},
                     {-2, "0.015", "-0.03"},
                     {1e6, "12345.6789", "12345678900"},
                     // Whole quantities of whole cents, the common case, and past its bounds.
                     {3, "-2.50", "-7.50"},
                     {1e6, "10000000.00", "10000000000000"},
                     {2e6, "1.01", "2020000"},
                     {-4, "0.20", "-0.80"}};
        for (const auto& c : lines)
            QCOMPARE(Money::lineAmount(c.quantity, money(c.unitPrice)), money(c.amount));

        const struct {
            const char* amount;
            double rate;
            const char* result;
        } percentages[] = {{"10.00", 7.5, "0.75"},
                           {"-0.10", 5, "-0.01"},
                           {"10.00", 1.45, "0.15"},
                           {"14.50", 1, "0.15"}};
        for (const auto& c : percentages)
            QCOMPARE(Money::percentOf(money(c.amount), c.rate), money(c.result));
    }

    void takesLocaleConventions()
    {
        const FormatSettings c = FormatSettings::fromLocale(QLocale::c());
        QCOMPARE(c.shortDateFormat, QStringLiteral("M/d/yyyy"));
        QCOMPARE(formatCurrency(money("-1234.5"), c), QStringLiteral("($1,234.50)"));

        const QLocale germany(QLocale::German, QLocale::Germany);
        const FormatSettings german = FormatSettings::fromLocale(germany);
        QCOMPARE(german.shortDateFormat, QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(german.dateSeparator, QStringLiteral("."));
        QCOMPARE(german.currencyDecimals, 2);
        QCOMPARE(formatCurrency(money("-1234.5"), german), QStringLiteral("-1.234,50 €"));
        QCOMPARE(german.shortMonthNames.at(2), germany.monthName(3, QLocale::ShortFormat));

        // The locale's two-digit year becomes four digits.
        const FormatSettings american =
            FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(american.shortDateFormat, QStringLiteral("M/d/yyyy"));
        QCOMPARE(formatCurrency(money("1234.5"), american), QStringLiteral("$1,234.50"));

        const FormatSettings japanese =
            FormatSettings::fromLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        QCOMPARE(japanese.shortDateFormat, QStringLiteral("yyyy/MM/dd"));
        QCOMPARE(japanese.currencyDecimals, 0);

        const FormatSettings dutch =
            FormatSettings::fromLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(dutch.dateSeparator, QStringLiteral("-"));
        QVERIFY(dutch.currencySymbolBefore && dutch.currencySymbolSpaced);

        // Blanks after each separator: "yyyy. MM. dd.".
        const FormatSettings hungarian =
            FormatSettings::fromLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
        QCOMPARE(hungarian.shortDateFormat, QStringLiteral("yyyy/MM/dd"));
        QCOMPARE(hungarian.dateSeparator, QStringLiteral("."));
    }

    void currentSettingsCanBePinned()
    {
        setCurrentFormatSettings(european());
        QCOMPARE(formatCurrency(money("2")), QStringLiteral("2,00 €"));
        QCOMPARE(formatFloat(kMoneyFormat, money("1234.5")), QStringLiteral("1.234,50"));
        QCOMPARE(shortDate(QDate(2024, 1, 5)), QStringLiteral("05.01.2024"));
        setCurrentFormatSettings(FormatSettings::us());
        QCOMPARE(formatCurrency(money("2")), QStringLiteral("$2.00"));
    }

    void formatsWithNumberPatterns()
    {
        const QString list = kMoneyListFormat;
        const QString message = kMoneyFormat;
        const QString price = kUnitPriceFormat;
        const struct {
            QString pattern;
            const char* value;
            const char* text;
        } amounts[] = {
            {list, "1234.5675", "1,234.568"},
            {list, "-1234.5675", "(1,234.568)"},
            {list, "-0.0004", "0.00"}, // a credit that shows as zero takes no parentheses
            {list, "-0.0005", "(0.001)"},
            {list, "-922337203685477.5808", "(922,337,203,685,477.581)"},
            {message, "-1234.5", "-1,234.50"},
            {price, "1234.5", "1234.50"},
            {QStringLiteral("0.00;(0.00);Nil"), "-0.004", "Nil"},
            {QStringLiteral("0.00;;Nil"), "-5", "-5.00"},
            {QStringLiteral("$#,##0.00 CR"), "1234", "$1,234.00 CR"},
            {QStringLiteral("#.##"), "0.5", ".5"}};
        for (const auto& c : amounts)
            QCOMPARE(formatFloat(c.pattern, money(c.value), FormatSettings::us()),
                     QString::fromLatin1(c.text));

        const struct {
            QString pattern;
            double value;
            const char* text;
        } doubles[] = {{QStringLiteral("0.00"), 1.005, "1.01"}, // held as 1.00499999...
                       {list, 0.1 + 0.2, "0.30"},
                       {price, 1.234567, "1.23457"},
                       {QStringLiteral("#,##0"), 1e20, "100,000,000,000,000,000,000"},
                       {QStringLiteral("0.00"), -0.0, "0.00"},
                       {QStringLiteral("0.00"), std::nan(""), "NAN"}};
        for (const auto& c : doubles)
            QCOMPARE(formatFloat(c.pattern, c.value, FormatSettings::us()),
                     QString::fromLatin1(c.text));

        QCOMPARE(formatFloat(list, money("-1234567.5"), european()),
                 QStringLiteral("(1.234.567,50)"));
        FormatSettings ungrouped = FormatSettings::us();
        ungrouped.thousandsSeparator.clear();
        QCOMPARE(formatFloat(list, money("1234567.5"), ungrouped), QStringLiteral("1234567.50"));
    }

    void formatsCurrency()
    {
        const struct {
            const char* value;
            int decimals;
            bool european;
            const char* text;
        } cases[] = {{"1234.567", 2, false, "$1,234.57"}, {"-5", 2, false, "($5.00)"},
                     {"-0.004", 2, false, "$0.00"},       {"2.5", 0, false, "$3"},
                     {"-1.5", -1, false, "($2)"},         {"-1234.5", 2, true, "-1.234,50 €"}};
        for (const auto& c : cases) {
            const FormatSettings settings = c.european ? european() : FormatSettings::us();
            QCOMPARE(formatCurrency(money(c.value), c.decimals, settings),
                     QString::fromUtf8(c.text));
        }
    }

    void formatsDates()
    {
        const QDate friday(2024, 1, 5);
        const struct {
            QString pattern;
            QDate date;
            bool european;
            const char* text;
        } cases[] = {{kListDateFormat, friday, false, "05 Jan 24"},
                     {kDeliveryDateFormat, friday, false, "Fri 1/5/24"},
                     {kMonthDayYearFormat, QDate(2000, 6, 30), false, "6/30/00"},
                     {kIsoDateFormat, friday, true, "2024-01-05"},
                     {kMonthDayYearFormat, friday, true, "1.5.24"}, // '/' is the user's separator
                     {QStringLiteral("DD MMM YYYY"), QDate(2024, 12, 25), false, "25 Dec 2024"},
                     {QStringLiteral("'day' d \"of\" m"), friday, false, "day 5 of 1"},
                     {QStringLiteral("ddddd!"), friday, false, "1/5/2024!"},
                     {QStringLiteral("yyyy yy"), QDate(5, 3, 1), false, "0005 05"},
                     {kListDateFormat, QDate(), false, ""}};
        for (const auto& c : cases)
            QCOMPARE(formatDate(c.pattern, c.date, c.european ? european() : FormatSettings::us()),
                     QString::fromLatin1(c.text));

        QCOMPARE(shortDate(friday, FormatSettings::dayMonthYear()), QStringLiteral("5/1/2024"));
        FormatSettings french = FormatSettings::dayMonthYear();
        french.shortMonthNames[0] = QStringLiteral("janv.");
        french.shortDayNames[4] = QStringLiteral("ven.");
        QCOMPARE(formatDate(kDeliveryDateFormat, friday, french), QStringLiteral("ven. 1/5/24"));
        QCOMPARE(formatDate(kListDateFormat, friday, french), QStringLiteral("05 janv. 24"));
    }
};

QTEST_MAIN(TestMoneyFormats)
#include "test_money_formats.moc"

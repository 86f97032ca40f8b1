// What an invoice's printout works out without a database: terms, taxes, subtotal and payments,
// the closed-up address blocks, each line's tax column and amount, and the letterhead.
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceprintfields.h"

#include <QTest>

using namespace invoiceprint;

namespace
{

Money cents(qint64 c)
{
    return Money::fromCents(c);
}

} // namespace

class TestInvoicePrintFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void terms_data()
    {
        QTest::addColumn<bool>("cod");
        QTest::addColumn<double>("discPC");
        QTest::addColumn<int>("discDays"); // -1: empty
        QTest::addColumn<int>("netDays");
        QTest::addColumn<QString>("expected");
        QTest::newRow("payable on receipt")
            << false << 0.0 << -1 << 0 << QStringLiteral("Terms: Payable on Receipt");
        QTest::newRow("discount, empty days")
            << false << 2.0 << -1 << 0 << QStringLiteral("Terms: 2% 0   Payable on Receipt");
        QTest::newRow("discount and due date")
            << false << 2.0 << 10 << 30 << QStringLiteral("Terms: 2% 10   Due 3/31/2024");
        QTest::newRow("fractional discount, due across a year")
            << false << 1.5 << 5 << 306 << QStringLiteral("Terms: 1.5% 5   Due 1/1/2025");
        QTest::newRow("negative discount is none")
            << false << -1.0 << 10 << 15 << QStringLiteral("Terms: Due 3/16/2024");
        QTest::newRow("cash on delivery wins")
            << true << 2.0 << 10 << 30 << QStringLiteral("Terms: C.O.D.");
    }
    void terms()
    {
        QFETCH(bool, cod);
        QFETCH(double, discPC);
        QFETCH(int, discDays);
        QFETCH(int, netDays);
        QFETCH(QString, expected);
        const std::optional<int> days = discDays < 0 ? std::nullopt : std::optional<int>(discDays);
        QCOMPARE(termsText(cod, discPC, days, netDays, QDate(2024, 3, 1), FormatSettings::us()),
                 expected);
    }

    void dueDateFollowsTheShortDateFormat()
    {
        QCOMPARE(termsText(false, 0, std::nullopt, 30, QDate(2024, 3, 1),
                           FormatSettings::dayMonthYear()),
                 QStringLiteral("Terms: Due 31/3/2024"));
    }

    void addressBlocksCloseUp()
    {
        const auto withoutLine2 =
            addressLines2To4({}, QStringLiteral("Dayton"), QStringLiteral("OH"),
                             QStringLiteral("45402"), QStringLiteral("USA"));
        QCOMPARE(withoutLine2.line2, QStringLiteral("Dayton, OH     45402"));
        QCOMPARE(withoutLine2.line3, QStringLiteral("USA"));
        QCOMPARE(withoutLine2.line4, QString());

        const auto withLine2 = addressLines2To4(QStringLiteral("Suite 2"), QStringLiteral("Dayton"),
                                                QString(), QStringLiteral("45402"), QString());
        QCOMPARE(withLine2.line2, QStringLiteral("Suite 2"));
        QCOMPARE(withLine2.line3, QStringLiteral("Dayton     45402"));
        QCOMPARE(withLine2.line4, QString());

        // No city: the state still follows its comma; a line longer than 35 is cut.
        QCOMPARE(addressLines2To4({}, {}, QStringLiteral("OH"), {}, {}).line2,
                 QStringLiteral(", OH"));
        QCOMPARE(addressLines2To4({}, QStringLiteral("Philadelphia"),
                                  QStringLiteral("Pennsylvania"), QStringLiteral("19104"), {})
                     .line2,
                 QStringLiteral("Philadelphia, Pennsylvania     1910"));
    }

    void taxesSubtotalAndPayments()
    {
        PrintedInvoice v;
        v.invoiceDate = QDate(2024, 3, 1);
        v.invoiceAmount = cents(11850);
        v.owing = cents(1850);
        InvoiceFieldInputs in;
        in.tax1 = {QStringLiteral("G"), 5.0};
        in.tax2 = {QStringLiteral("P"), 7.5};
        in.tax1Description = QStringLiteral("GST");
        in.tax2Description = QStringLiteral("PST");
        // The first bucket of a code counts; a later bucket of the same code does not.
        in.buckets[0] = {QStringLiteral("P"), cents(4000)};
        in.buckets[1] = {QStringLiteral("G"), cents(10010)};
        in.buckets[2] = {QStringLiteral("P"), cents(99900)};
        workOutFields(v, in, FormatSettings::us());
        QCOMPARE(v.tax1Amount, cents(501)); // 5 % of 100.10 = 5.005, half away from zero
        QCOMPARE(v.tax2Amount, cents(300));
        QCOMPARE(v.subtotal, cents(11850 - 501 - 300));
        QCOMPARE(v.payments, cents(10000));
        QCOMPARE(v.tax1DescriptionRate, QStringLiteral("GST @ 5%"));
        QCOMPARE(v.tax2DescriptionRate, QStringLiteral("PST @ 7.5%"));
        QCOMPARE(v.terms, QStringLiteral("Terms: Payable on Receipt"));

        // A credit: a negative bucket gives a negative tax, rounded away from zero.
        PrintedInvoice credit;
        credit.invoiceAmount = -cents(10525);
        credit.owing = -cents(10525);
        InvoiceFieldInputs creditIn;
        creditIn.tax1 = {QStringLiteral("G"), 5.0};
        creditIn.buckets[0] = {QStringLiteral("G"), -cents(10010)};
        workOutFields(credit, creditIn, FormatSettings::us());
        QCOMPARE(credit.tax1Amount, -cents(501));
        QCOMPARE(credit.subtotal, -cents(10024));
        QCOMPARE(credit.payments, Money());
    }

    void taxWithoutMatchingBucketOrRate()
    {
        PrintedInvoice v;
        InvoiceFieldInputs in;
        in.tax1 = {QStringLiteral("H"), 13.0};
        in.tax2 = {QString(), std::nullopt};
        in.tax1Description = QStringLiteral("HST");
        in.tax2Description = QStringLiteral("None");
        in.buckets[0] = {QStringLiteral("G"), cents(10000)};
        workOutFields(v, in, FormatSettings::us());
        QCOMPARE(v.tax1Amount, Money());
        QCOMPARE(v.tax2Amount, Money());
        QCOMPARE(v.tax1DescriptionRate, QStringLiteral("HST @ 13%"));
        QCOMPARE(v.tax2DescriptionRate, QStringLiteral("None")); // no rate, no " @ "
        QCOMPARE(taxDescriptionRate(QStringLiteral("Goods and services tax"), 12.345),
                 QStringLiteral("Goods and services tax @ 12.34")); // cut to 30
    }

    void lines()
    {
        StoredLine stored;
        stored.seq = 3;
        stored.quantity = 3;
        stored.unitPrice = Money::fromRaw(12350); // 1.235
        stored.taxCodes = QStringLiteral("ABC");
        stored.itemNo = QStringLiteral("101");
        stored.itemDescription = QStringLiteral("Hot meal");
        PrintedInvoiceLine line = printedLine(stored, QStringLiteral("A"), QStringLiteral("C"));
        QCOMPARE(line.applicableTaxCodes, QStringLiteral("AC"));
        QCOMPARE(line.extAmount, std::optional<Money>(cents(371))); // 3.705 rounds up
        QCOMPARE(line.description, QStringLiteral("Hot meal"));

        stored.itemOvDesc = QStringLiteral("Hot meal, no salt");
        stored.quantity.reset();
        line = printedLine(stored, QStringLiteral("B"), QString());
        QCOMPARE(line.description, QStringLiteral("Hot meal, no salt"));
        QCOMPARE(line.applicableTaxCodes, QStringLiteral("B"));
        QCOMPARE(line.extAmount, std::nullopt); // nothing to extend without a quantity

        // Codes repeated on a line still fit the two places of the column; none charged: empty.
        QCOMPARE(
            applicableTaxCodes(QStringLiteral("GGP"), QStringLiteral("G"), QStringLiteral("P")),
            QStringLiteral("GG"));
        QCOMPARE(applicableTaxCodes(QStringLiteral("XY"), QStringLiteral("G"), QString()),
                 QString());
        QCOMPARE(applicableTaxCodes(QStringLiteral("G  "), QString(), QString()), QString());
    }

    void letterhead()
    {
        const InvoiceLetterhead full = letterheadFor(
            QStringLiteral("Hearth Meals"), QStringLiteral("1 Main St"), QString(),
            QStringLiteral("Dayton"), QStringLiteral("555-0100"), QStringLiteral("GST 123"));
        QCOMPARE(full.companyNameFontSize, 22);
        QCOMPARE(full.addressLabel, QStringLiteral("1 Main St, Dayton"));
        QCOMPARE(full.phoneLabel, QStringLiteral("Tel: 555-0100"));
        QCOMPARE(full.footerLine1, QStringLiteral("Hearth Meals     GST 123"));
        QCOMPARE(full.footerLine2, QStringLiteral("1 Main St, Dayton   Tel: 555-0100"));

        const InvoiceLetterhead bare = letterheadFor(QStringLiteral("Meals on Wheels of Dayton"),
                                                     QStringLiteral("1 Main St"), {}, {}, {}, {});
        QCOMPARE(bare.companyNameFontSize, 22); // 25 characters
        QCOMPARE(bare.phoneLabel, QString());
        QCOMPARE(bare.footerLine1, QStringLiteral("Meals on Wheels of Dayton"));
        QCOMPARE(bare.footerLine2, QStringLiteral("1 Main St   "));
        QCOMPARE(letterheadFor(QStringLiteral("Meals on Wheels of Daytona"), {}, {}, {}, {}, {})
                     .companyNameFontSize,
                 16);
    }
};

QTEST_GUILESS_MAIN(TestInvoicePrintFields)
#include "test_invoiceprintfields.moc"

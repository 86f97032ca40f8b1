// The invoice rules that need no database: line amounts, the taxable buckets
// and the taxes, the tax line, the terms and the period fields.
#include "receivables/invoices/invoicelines.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/invoicetotals.h"
#include "receivables/invoices/periodfields.h"
#include "receivables/invoices/terms.h"

#include <QTest>

namespace
{

Money units(double value)
{
    return Money::fromRaw(qRound64(value * Money::kScale));
}

InvoiceLine line(std::optional<double> quantity, std::optional<Money> price)
{
    InvoiceLine l;
    l.quantity = quantity;
    l.unitPrice = price;
    return l;
}

// The refusal's text, or empty when the call went through.
template <typename F> QString refusalOf(F&& call)
{
    try {
        call();
    } catch (const InvoiceRefusal& r) {
        return r.message();
    }
    return {};
}

const AppliedTax kGst{QStringLiteral("G"), 5.0};
const AppliedTax kPst{QStringLiteral("P"), 7.0};

} // namespace

class TestInvoiceRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineAmountsRoundToCentsAwayFromZero()
    {
        QCOMPARE(line(3, units(1.235)).extAmount(), units(3.71));
        QCOMPARE(line(-1, units(0.005)).extAmount(), units(-0.01));
        QCOMPARE(line(1, units(0.0049)).extAmount(), Money());
        QCOMPARE(line(0.1, units(0.05)).extAmount(), units(0.01)); // 0.005 held inexactly
        QCOMPARE(line(2.5, units(-1.01)).extAmount(), units(-2.53));
        QCOMPARE(line(std::nullopt, units(1)).extAmount(), std::nullopt);
        QCOMPARE(line(1, std::nullopt).extAmount(), std::nullopt);
        QCOMPARE(line(std::nullopt, units(1)).amountForTotals(), Money());

        QVERIFY(lineAmountFits(1000, units(999999999)));
        QVERIFY(!lineAmountFits(1e9, units(10000)));
        QVERIFY(!lineAmountFits(-1e9, units(10000)));
        QVERIFY(lineAmountFits(std::nullopt, units(1)));
    }

    void bucketsCollectAmountsByCode()
    {
        TaxBuckets b;
        b.add(QLatin1Char('G'), units(100));
        b.add(QLatin1Char('G'), units(50));
        b.add(QLatin1Char('P'), units(50));
        QCOMPARE(b[0], (TaxBucket{QStringLiteral("G"), units(150)}));
        QCOMPARE(b[1], (TaxBucket{QStringLiteral("P"), units(50)}));
        QCOMPARE(b.amountFor(QStringLiteral("G")), units(150));
        QCOMPARE(b.amountFor(QStringLiteral("H")), Money());
        QCOMPARE(b.amountFor(QString()), Money());

        // A bucket that comes to 0 frees its code; the next new code takes it.
        b.add(QLatin1Char('G'), units(-150));
        QCOMPARE(b[0], (TaxBucket{QString(), Money()}));
        b.add(QLatin1Char('H'), units(10));
        b.add(QLatin1Char('X'), units(5));
        QCOMPARE(b[0].code, QStringLiteral("H"));
        QCOMPARE(b[2].code, QStringLiteral("X"));

        // A fourth code is refused and nothing changes.
        const TaxBuckets before = b;
        QCOMPARE(refusalOf([&] { b.add(QLatin1Char('G'), units(1)); }), invoicemsg::kTooManyTaxes);
        QCOMPARE(b, before);
        QVERIFY(invoicemsg::kTooManyTaxes.startsWith(QStringLiteral("Too many taxes...\rMore")));

        QCOMPARE(taxCodeCharacters(QStringLiteral("G P")),
                 (QList<QChar>{QLatin1Char('G'), QLatin1Char('P')}));
        QCOMPARE(taxCodeCharacters(QStringLiteral("GPHX")).size(), 3);
        QVERIFY(taxCodeCharacters(QStringLiteral("   ")).isEmpty());
    }

    void taxesFollowEachLineChange()
    {
        // A line of 100.00 (G) and one of 60.00 (P): GST 5.00, PST 4.20.
        InvoiceTotals t;
        t = totalsAfterLineStored(t, Money(), QString(), units(100), QStringLiteral("G"), kGst,
                                  kPst);
        t = totalsAfterLineStored(t, Money(), QString(), units(60), QStringLiteral("P"), kGst,
                                  kPst);
        QCOMPARE(t.invoiceAmount, units(169.20));
        t = totalsAfterLineDeleted(t, units(100), QStringLiteral("G"), kGst, kPst);
        QCOMPARE(t.buckets[0].code, QString());
        QCOMPARE(t.tax1, Money());
        QCOMPARE(t.invoiceAmount, units(64.20));

        // Another customer's taxes: the same buckets taxed anew.
        t = totalsAfterTaxChange(t, AppliedTax{}, AppliedTax{QStringLiteral("P"), 8.5});
        QCOMPARE(t.tax2, units(5.10));
        QCOMPARE(t.invoiceAmount, units(65.10));

        // Half a cent of tax rounds away from zero, credits included.
        InvoiceTotals half;
        half = totalsAfterLineStored(half, Money(), QString(), units(0.10), QStringLiteral("G"),
                                     kGst, kPst);
        QCOMPARE(half.tax1, units(0.01));
        half = totalsAfterLineStored(half, units(0.10), QStringLiteral("G"), units(-0.10),
                                     QStringLiteral("G"), kGst, kPst);
        QCOMPARE(half.tax1, units(-0.01));
        QCOMPARE(half.invoiceAmount, units(-0.11));
    }

    void refusedLineLeavesTotalsAlone()
    {
        InvoiceTotals t;
        for (const char* code : {"G", "P", "H"})
            t = totalsAfterLineStored(t, Money(), QString(), units(10), QString::fromLatin1(code),
                                      kGst, kPst);
        // "GX": G alone would fit, X is the fourth code; the G part must not stay behind.
        const InvoiceTotals before = t;
        QCOMPARE(refusalOf([&] {
                     t = totalsAfterLineStored(t, Money(), QString(), units(5),
                                               QStringLiteral("GX"), kGst, kPst);
                 }),
                 invoicemsg::kTooManyTaxes);
        QCOMPARE(t, before);
        // Taking a line's amount out of a code that has no bucket left is refused the same way.
        QCOMPARE(refusalOf([&] {
                     t = totalsAfterLineDeleted(t, units(5), QStringLiteral("X"), kGst, kPst);
                 }),
                 invoicemsg::kTooManyTaxes);
        QCOMPARE(t, before);
    }

    void taxLine()
    {
        const FormatSettings us = FormatSettings::us();
        QCOMPARE(
            taxLineText(QStringLiteral("GST"), units(7.5), QStringLiteral("PST"), units(3.5), us),
            QStringLiteral("GST: 7.50     PST: 3.50"));
        QCOMPARE(taxLineText(QStringLiteral("GST"), Money(), QStringLiteral("PST"), units(3.5), us),
                 QStringLiteral("PST: 3.50"));
        QCOMPARE(
            taxLineText(QStringLiteral("GST"), units(1234.5), QStringLiteral("PST"), Money(), us),
            QStringLiteral("GST: 1,234.50     "));
        QCOMPARE(taxLineText(QStringLiteral("GST"), units(-0.5), QString(), Money(), us),
                 QStringLiteral("GST: (0.50)     "));
        QCOMPARE(taxLineText(QStringLiteral("GST"), Money(), QStringLiteral("PST"), Money(), us),
                 QString());
    }

    void terms()
    {
        QCOMPARE(invoiceTermsText(false, 2.0, 10, 30), QStringLiteral("Terms: 2% 10   Net 30"));
        QCOMPARE(invoiceTermsText(std::nullopt, 2.5, std::nullopt, std::nullopt),
                 QStringLiteral("Terms: 2.5% 0   Net 0"));
        QCOMPARE(invoiceTermsText(false, 0.0, 10, 30), QStringLiteral("Terms: Net 30"));
        QCOMPARE(invoiceTermsText(std::nullopt, std::nullopt, std::nullopt, 30),
                 QStringLiteral("Terms: Net 30"));
        QCOMPARE(invoiceTermsText(true, 2.0, 10, 30), QStringLiteral("Terms: C.O.D."));
        QCOMPARE(invoiceTermsText(std::nullopt, -1.0, 10, 7), QStringLiteral("Terms: Net 7"));
    }

    void periodFields()
    {
        QCOMPARE(glYearFromEditText(QStringLiteral("49")), 2049);
        QCOMPARE(glYearFromEditText(QStringLiteral("50")), 1950);
        QCOMPARE(glYearFromEditText(QStringLiteral("0")), 2000);
        QCOMPARE(glYearFromEditText(QStringLiteral(" 07 ")), 2007);
        QCOMPARE(glYearFromEditText(QStringLiteral("99")), 1999);
        QCOMPARE(glYearFromEditText(QString()), std::nullopt);
        for (const char* bad : {"100", "-1", "2a", "1.5", "99999999999"}) {
            try {
                glYearFromEditText(QString::fromLatin1(bad));
                QFAIL(bad);
            } catch (const InvoiceRefusal& r) {
                QCOMPARE(r.message(), QStringLiteral("Period invalid...\rEnter year as 2 digits"));
                QCOMPARE(r.focus(), InvoiceField::Year);
            }
        }
        QCOMPARE(glYearEditText(2049), QStringLiteral("49"));
        QCOMPARE(glYearEditText(2005), QStringLiteral("05"));
        QCOMPARE(glYearEditText(1999), QStringLiteral("99"));
        QCOMPARE(glYearEditText(std::nullopt), QString());

        checkGLPeriod(1);
        checkGLPeriod(12);
        checkGLPeriod(std::nullopt);
        QCOMPARE(refusalOf([] { checkGLPeriod(13); }),
                 QStringLiteral(
                     "13 is not a valid value for field 'Period'. The allowed range is 1 to 12"));
        QVERIFY(!refusalOf([] { checkGLPeriod(0); }).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestInvoiceRules)
#include "test_invoicerules.moc"

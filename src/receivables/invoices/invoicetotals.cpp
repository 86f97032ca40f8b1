#include "receivables/invoices/invoicetotals.h"

#include "common/formats.h"

namespace
{

InvoiceTotals retaxed(InvoiceTotals totals, Money oldAmount, Money newAmount,
                      const AppliedTax& tax1, const AppliedTax& tax2)
{
    const Money previousTaxes = totals.tax1 + totals.tax2;
    totals.tax1 = taxOnBuckets(totals.buckets, tax1);
    totals.tax2 = taxOnBuckets(totals.buckets, tax2);
    totals.invoiceAmount =
        totals.invoiceAmount - oldAmount + newAmount - previousTaxes + totals.tax1 + totals.tax2;
    return totals;
}

// Works on a copy, so a refused code leaves the caller's buckets as they were.
TaxBuckets moved(TaxBuckets buckets, Money oldAmount, const QString& oldCodes,
                 std::optional<Money> newAmount, const QString& newCodes)
{
    for (QChar code : taxCodeCharacters(oldCodes))
        buckets.add(code, -oldAmount);
    if (newAmount) {
        for (QChar code : taxCodeCharacters(newCodes))
            buckets.add(code, *newAmount);
    }
    return buckets;
}

} // namespace

Money taxOnBuckets(const TaxBuckets& buckets, const AppliedTax& tax)
{
    return Money::percentOf(buckets.amountFor(tax.code), tax.ratePercent.value_or(0.0));
}

InvoiceTotals totalsAfterLineStored(const InvoiceTotals& before, Money oldAmount,
                                    const QString& oldCodes, Money newAmount,
                                    const QString& newCodes, const AppliedTax& tax1,
                                    const AppliedTax& tax2)
{
    InvoiceTotals after = before;
    after.buckets = moved(before.buckets, oldAmount, oldCodes, newAmount, newCodes);
    return retaxed(after, oldAmount, newAmount, tax1, tax2);
}

InvoiceTotals totalsAfterLineDeleted(const InvoiceTotals& before, Money oldAmount,
                                     const QString& oldCodes, const AppliedTax& tax1,
                                     const AppliedTax& tax2)
{
    InvoiceTotals after = before;
    after.buckets = moved(before.buckets, oldAmount, oldCodes, std::nullopt, QString());
    return retaxed(after, oldAmount, Money(), tax1, tax2);
}

InvoiceTotals totalsAfterTaxChange(const InvoiceTotals& before, const AppliedTax& tax1,
                                   const AppliedTax& tax2)
{
    return retaxed(before, Money(), Money(), tax1, tax2);
}

QString taxLineText(const QString& tax1Description, Money tax1, const QString& tax2Description,
                    Money tax2, const FormatSettings& settings)
{
    QString line;
    if (!tax1.isZero())
        line = tax1Description + QStringLiteral(": ") +
               formatFloat(kMoneyListFormat, tax1, settings) + QStringLiteral("     ");
    if (!tax2.isZero())
        line +=
            tax2Description + QStringLiteral(": ") + formatFloat(kMoneyListFormat, tax2, settings);
    return line;
}

#pragma once
// The running totals of an invoice: the taxable buckets, the two taxes and the invoice amount,
// kept up to date line change by line change.

#include "common/formatsettings.h"
#include "common/money.h"
#include "receivables/invoices/taxbuckets.h"

#include <QString>
#include <optional>

// One of the invoice's two taxes as the header carries it (Tax1Code/Tax1Rate, Tax2...).
struct AppliedTax {
    QString code;
    std::optional<double> ratePercent;
};

struct InvoiceTotals {
    TaxBuckets buckets;
    Money tax1;
    Money tax2;
    Money invoiceAmount;
    bool operator==(const InvoiceTotals&) const = default;
};

// The tax on the first bucket carrying the tax's code, rounded to cents half away from zero;
// 0 when no bucket carries it.
Money taxOnBuckets(const TaxBuckets& buckets, const AppliedTax& tax);

// A line was stored: its old amount leaves the buckets of its old codes, its new amount joins
// the buckets of its new codes, both taxes are taken again and the invoice amount moves by the
// difference. Throws InvoiceRefusal "Too many taxes..." without changing anything.
InvoiceTotals totalsAfterLineStored(const InvoiceTotals& before, Money oldAmount,
                                    const QString& oldCodes, Money newAmount,
                                    const QString& newCodes, const AppliedTax& tax1,
                                    const AppliedTax& tax2);
// A line was deleted: as above with no new amount.
InvoiceTotals totalsAfterLineDeleted(const InvoiceTotals& before, Money oldAmount,
                                     const QString& oldCodes, const AppliedTax& tax1,
                                     const AppliedTax& tax2);
// The taxes changed (another customer): both taxes are taken again from the same buckets.
InvoiceTotals totalsAfterTaxChange(const InvoiceTotals& before, const AppliedTax& tax1,
                                   const AppliedTax& tax2);

// The line under the grid: "GST: 7.50     PST: 3.50"; a tax of 0 is left out.
QString taxLineText(const QString& tax1Description, Money tax1, const QString& tax2Description,
                    Money tax2, const FormatSettings& settings);

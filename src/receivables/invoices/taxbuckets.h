#pragma once
// The three taxable-amount buckets of an invoice (TaxableAmount1..3 with TaxableAmtCode1..3).
// Each bucket holds the total of the lines that carry its one-letter tax code.

#include "common/money.h"

#include <QList>
#include <QString>
#include <array>

struct TaxBucket {
    QString code; // empty while the bucket is free
    Money amount;
    bool operator==(const TaxBucket&) const = default;
};

class TaxBuckets
{
public:
    static constexpr int kCount = 3;

    const TaxBucket& operator[](int i) const { return buckets_.at(i); }
    TaxBucket& operator[](int i) { return buckets_.at(i); }

    // Adds the amount to the bucket of the code; a bucket that comes to 0 frees its code. A code
    // without a bucket takes the first free one. A fourth code is refused with "Too many
    // taxes..." (InvoiceRefusal) and the buckets stay as they were.
    void add(QChar code, Money amount);
    // The amount of the first bucket whose code is this one; 0 when none is, or the code is empty.
    Money amountFor(const QString& code) const;

    bool operator==(const TaxBuckets&) const = default;

private:
    std::array<TaxBucket, kCount> buckets_;
};

// The tax codes of a line as they count for the buckets: its first three characters, blanks
// left out.
QList<QChar> taxCodeCharacters(const QString& taxCodes);

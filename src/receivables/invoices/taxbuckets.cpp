#include "receivables/invoices/taxbuckets.h"

#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"

void TaxBuckets::add(QChar code, Money amount)
{
    const QString key(code);
    for (TaxBucket& bucket : buckets_) {
        if (bucket.code == key) {
            bucket.amount += amount;
            if (bucket.amount.isZero())
                bucket.code.clear();
            return;
        }
    }
    for (TaxBucket& bucket : buckets_) {
        if (bucket.code.isEmpty()) {
            bucket.code = key;
            bucket.amount = amount;
            return;
        }
    }
    throw InvoiceRefusal(invoicemsg::kTooManyTaxes, InvoiceField::Lines);
}

Money TaxBuckets::amountFor(const QString& code) const
{
    if (code.isEmpty())
        return Money();
    for (const TaxBucket& bucket : buckets_) {
        if (bucket.code == code)
            return bucket.amount;
    }
    return Money();
}

QList<QChar> taxCodeCharacters(const QString& taxCodes)
{
    QList<QChar> codes;
    for (QChar c : QStringView(taxCodes).left(3)) {
        if (!c.isSpace())
            codes << c;
    }
    return codes;
}

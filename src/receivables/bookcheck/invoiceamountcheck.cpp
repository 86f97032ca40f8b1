#include "receivables/bookcheck/invoiceamountcheck.h"

#include "engine/database.h"
#include "receivables/invoices/invoiceheader.h"
#include "receivables/invoices/invoicelines.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/invoicetotals.h"

#include <QHash>

namespace
{

// What an invoice's lines add up to, gathered line by line as the document gathers them.
struct LineTotals {
    Money lines;
    TaxBuckets buckets;
    bool tooManyTaxes = false;
};

std::optional<double> optionalReal(const Statement& s, const QString& column)
{
    const QVariant v = s.value(column);
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}

void addLine(LineTotals& totals, const InvoiceLine& line)
{
    const Money amount = line.amountForTotals();
    totals.lines += amount;
    // A line of 0 changes no bucket's amount; leaving it out keeps it from taking a bucket.
    if (amount.isZero() || totals.tooManyTaxes)
        return;
    try {
        for (QChar code : taxCodeCharacters(line.taxCodes))
            totals.buckets.add(code, amount);
    } catch (const InvoiceRefusal&) {
        totals.tooManyTaxes = true;
    }
}

QHash<qint64, LineTotals> readLineTotals(Database& db)
{
    QHash<qint64, LineTotals> byInvoice;
    Statement s = db.query(QStringLiteral("SELECT ARInvoiceID, Quantity, UnitPrice, TaxCodes "
                                          "FROM ARInvDet ORDER BY ARInvoiceID, Seq"));
    s.exec();
    while (s.next()) {
        InvoiceLine line;
        line.quantity = optionalReal(s, QStringLiteral("Quantity"));
        if (!s.isNull(QStringLiteral("UnitPrice")))
            line.unitPrice = s.money(QStringLiteral("UnitPrice"));
        line.taxCodes = s.text(QStringLiteral("TaxCodes"));
        addLine(byInvoice[s.integer(0)], line);
    }
    return byInvoice;
}

InvoiceHeader readAmounts(const Statement& s)
{
    InvoiceHeader h;
    h.invoiceId = s.integer(QStringLiteral("ARInvoiceID"));
    h.invoiceNo = s.text(QStringLiteral("InvoiceNo")).trimmed();
    h.invoiceAmount = s.money(QStringLiteral("InvoiceAmount"));
    h.paidAmount = s.money(QStringLiteral("PaidAmount"));
    h.discTakenAmount = s.money(QStringLiteral("DiscTakenAmount"));
    h.writeOffAmount = s.money(QStringLiteral("WriteOffAmount"));
    h.owing = s.money(QStringLiteral("Owing"));
    h.tax1Code = s.text(QStringLiteral("Tax1Code")).trimmed();
    h.tax2Code = s.text(QStringLiteral("Tax2Code")).trimmed();
    h.tax1Rate = optionalReal(s, QStringLiteral("Tax1Rate"));
    h.tax2Rate = optionalReal(s, QStringLiteral("Tax2Rate"));
    return h;
}

QString invoiceName(const InvoiceHeader& h)
{
    return bookInvoiceName(h.invoiceId, h.invoiceNo);
}

} // namespace

BookDiscrepancies checkInvoiceAmounts(Database& db, const FormatSettings& settings)
{
    const QHash<qint64, LineTotals> lineTotals = readLineTotals(db);
    BookDiscrepancies found;
    Statement s = db.query(
        QStringLiteral("SELECT ARInvoiceID, InvoiceNo, InvoiceAmount, PaidAmount, DiscTakenAmount, "
                       "WriteOffAmount, Owing, Tax1Code, Tax1Rate, Tax2Code, Tax2Rate FROM ARInv "
                       "ORDER BY ARInvoiceID"));
    s.exec();
    while (s.next()) {
        const InvoiceHeader h = readAmounts(s);
        const LineTotals totals = lineTotals.value(h.invoiceId);
        if (totals.tooManyTaxes) {
            found << BookDiscrepancy{
                BookDiscrepancy::Kind::InvoiceAmount,
                QStringLiteral("%1: its lines carry more than three tax codes, so its taxes "
                               "cannot be taken")
                    .arg(invoiceName(h))};
        } else {
            const Money expected = totals.lines +
                                   taxOnBuckets(totals.buckets, {h.tax1Code, h.tax1Rate}) +
                                   taxOnBuckets(totals.buckets, {h.tax2Code, h.tax2Rate});
            if (expected != h.invoiceAmount)
                found << BookDiscrepancy{
                    BookDiscrepancy::Kind::InvoiceAmount,
                    QStringLiteral("%1: amount %2, but its lines and taxes come to %3")
                        .arg(invoiceName(h), bookAmount(h.invoiceAmount, settings),
                             bookAmount(expected, settings))};
        }
        // A balance reset clears Owing (a credit's too) and leaves the amounts it was made of,
        // so an invoice owing less than they give, or a credit owing less back, was cleared
        // (payments posted since may have taken it further); the other way, nothing explains.
        const Money fromAmounts = h.owingFromAmounts();
        const Money nothing;
        const bool clearedByReset = (fromAmounts > nothing && h.owing < fromAmounts) ||
                                    (fromAmounts < nothing && h.owing > fromAmounts);
        if (clearedByReset)
            found << BookDiscrepancy{
                BookDiscrepancy::Kind::ClearedByReset,
                QStringLiteral("%1: owing %2 where its amount less paid, discount and write-off "
                               "is %3: %4 cleared by a balance reset")
                    .arg(invoiceName(h), bookAmount(h.owing, settings),
                         bookAmount(h.owingFromAmounts(), settings),
                         bookAmount(h.owingFromAmounts() - h.owing, settings))};
        else if (h.owing != fromAmounts)
            found << BookDiscrepancy{
                BookDiscrepancy::Kind::InvoiceOwing,
                QStringLiteral("%1: owing %2, but its amount less paid, discount and write-off "
                               "is %3")
                    .arg(invoiceName(h), bookAmount(h.owing, settings),
                         bookAmount(h.owingFromAmounts(), settings))};
    }
    return found;
}

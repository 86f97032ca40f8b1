#include "receivables/bookcheck/paymentapplicationcheck.h"

#include "engine/database.h"
#include "receivables/invoices/pledgetotals.h"

#include <optional>

namespace
{

const QString kInvoicesAgainstLines = QStringLiteral(
    "SELECT I.ARInvoiceID, I.InvoiceNo, COALESCE(I.PaidAmount, 0) AS Paid, "
    "COALESCE(I.DiscTakenAmount, 0) AS DiscTaken, COALESCE(I.WriteOffAmount, 0) AS WriteOff, "
    "COALESCE(S.Paid, 0) AS LinesPaid, COALESCE(S.DiscTaken, 0) AS LinesDiscTaken, "
    "COALESCE(S.WriteOff, 0) AS LinesWriteOff FROM ARInv I LEFT JOIN (SELECT L.ARInvoiceID, "
    "CAST(SUM(COALESCE(L.PaymentAmount, 0)) AS BIGINT) AS Paid, "
    "CAST(SUM(COALESCE(L.DiscTakenAmount, 0)) AS BIGINT) AS DiscTaken, "
    "CAST(SUM(COALESCE(L.WriteOffAmount, 0)) AS BIGINT) AS WriteOff FROM ARInvPmt L INNER JOIN "
    "ARPmt P ON P.PaymentID = L.PaymentID WHERE P.Posted = true GROUP BY L.ARInvoiceID) S ON "
    "S.ARInvoiceID = I.ARInvoiceID WHERE COALESCE(I.PaidAmount, 0) <> COALESCE(S.Paid, 0) OR "
    "COALESCE(I.DiscTakenAmount, 0) <> COALESCE(S.DiscTaken, 0) OR COALESCE(I.WriteOffAmount, "
    "0) <> COALESCE(S.WriteOff, 0) ORDER BY I.ARInvoiceID");

// A line whose invoice is gone changed nothing when it was posted and is left alone here.
const QString kLinesOnOtherInvoices = QStringLiteral(
    "SELECT P.PaymentID, P.ChequeNo, I.ARInvoiceID, I.InvoiceNo, I.Posted AS InvoicePosted FROM "
    "ARInvPmt L INNER JOIN ARPmt P ON P.PaymentID = L.PaymentID INNER JOIN ARInv I ON "
    "I.ARInvoiceID = L.ARInvoiceID WHERE P.Posted = true AND NOT COALESCE(I.Posted = true AND "
    "I.CustomerID = P.CustomerID, false) ORDER BY P.PaymentID, L.Seq");

QString chequeName(const Statement& s)
{
    const QString number = s.text(QStringLiteral("ChequeNo")).trimmed();
    return number.isEmpty() ? QStringLiteral("Payment key %1 (no cheque number)")
                                  .arg(s.integer(QStringLiteral("PaymentID")))
                            : QStringLiteral("Cheque %1").arg(number);
}

// A balance reset writes off the pledges of a posted invoice that had no write-off, up to what
// it owed: a write-off beyond the payments' lines, by no more than its pledges, while paid and
// discount agree with them.
std::optional<BookDiscrepancy> pledgesWrittenOff(Database& db, const Statement& s,
                                                 std::optional<QMap<qint64, Money>>& pledged,
                                                 const FormatSettings& settings)
{
    const Money beyondLines =
        s.money(QStringLiteral("WriteOff")) - s.money(QStringLiteral("LinesWriteOff"));
    if (s.money(QStringLiteral("Paid")) != s.money(QStringLiteral("LinesPaid")) ||
        s.money(QStringLiteral("DiscTaken")) != s.money(QStringLiteral("LinesDiscTaken")) ||
        beyondLines <= Money())
        return std::nullopt;
    // Read once, and only when a write-off needs explaining.
    if (!pledged)
        pledged = postedPledgeTotals(db);
    if (beyondLines > pledged->value(s.integer(0)))
        return std::nullopt;
    return BookDiscrepancy{
        BookDiscrepancy::Kind::PledgesWrittenOff,
        QStringLiteral("%1: %2 of its pledges written off by a balance reset")
            .arg(bookInvoiceName(s.integer(0), s.text(1)), bookAmount(beyondLines, settings))};
}

} // namespace

BookDiscrepancies checkPaymentApplications(Database& db, const FormatSettings& settings)
{
    BookDiscrepancies found;
    std::optional<QMap<qint64, Money>> pledged;
    Statement invoices = db.query(kInvoicesAgainstLines);
    invoices.exec();
    while (invoices.next()) {
        if (const auto notice = pledgesWrittenOff(db, invoices, pledged, settings)) {
            found << *notice;
            continue;
        }
        auto amounts = [&](const char* paid, const char* discTaken, const char* writeOff) {
            return QStringLiteral("paid %1, discount %2, write-off %3")
                .arg(bookAmount(invoices.money(QLatin1String(paid)), settings),
                     bookAmount(invoices.money(QLatin1String(discTaken)), settings),
                     bookAmount(invoices.money(QLatin1String(writeOff)), settings));
        };
        found << BookDiscrepancy{BookDiscrepancy::Kind::InvoicePayments,
                                 QStringLiteral("%1: %2, but its posted payments come to %3")
                                     .arg(bookInvoiceName(invoices.integer(0), invoices.text(1)),
                                          amounts("Paid", "DiscTaken", "WriteOff"),
                                          amounts("LinesPaid", "LinesDiscTaken", "LinesWriteOff"))};
    }

    Statement lines = db.query(kLinesOnOtherInvoices);
    lines.exec();
    while (lines.next()) {
        const QString invoice = bookInvoiceName(lines.integer(QStringLiteral("ARInvoiceID")),
                                                lines.text(QStringLiteral("InvoiceNo")))
                                    .replace(0, 1, QLatin1Char('i'));
        const QString why = lines.boolean(QStringLiteral("InvoicePosted"))
                                ? QStringLiteral("which is another customer's")
                                : QStringLiteral("which is not posted");
        found << BookDiscrepancy{
            BookDiscrepancy::Kind::PaymentInvoice,
            QStringLiteral("%1: posted, and pays %2, %3").arg(chequeName(lines), invoice, why)};
    }
    return found;
}

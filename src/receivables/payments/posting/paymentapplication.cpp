#include "receivables/payments/posting/paymentapplication.h"

#include <QStringList>

namespace paymentposting
{

std::optional<QString> applyPayment(QHash<qint64, InvoiceStanding>& invoices,
                                    const QList<AllocationLine>& lines)
{
    // Worked on copies, so a payment held back changes no invoice.
    QHash<qint64, InvoiceStanding> changed;
    for (const AllocationLine& line : lines) {
        auto it = changed.find(line.arInvoiceId);
        if (it == changed.end())
            it = changed.insert(line.arInvoiceId, invoices.value(line.arInvoiceId));
        InvoiceStanding& invoice = *it;
        invoice.owing -= line.total();
        if (line.mustSettle() && !invoice.owing.isZero())
            return invoice.invoiceNo;
    }
    for (auto it = changed.constBegin(); it != changed.constEnd(); ++it)
        invoices.insert(it.key(), it.value());
    return std::nullopt;
}

QString heldBackText(const QList<HeldBackPayment>& heldBack)
{
    QStringList parts;
    for (const HeldBackPayment& payment : heldBack)
        parts << QStringLiteral("Cheque '%1' was not posted: invoice '%2' no longer owes what "
                                "its discount or write-off settles.")
                     .arg(payment.chequeNo, payment.invoiceNo);
    parts << (heldBack.size() == 1 ? QStringLiteral("Open the payment and correct it.")
                                   : QStringLiteral("Open these payments and correct them."));
    return parts.join(QStringLiteral("\r"));
}

} // namespace paymentposting

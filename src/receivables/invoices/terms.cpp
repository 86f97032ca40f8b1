#include "receivables/invoices/terms.h"

QString invoiceTermsText(std::optional<bool> cod, std::optional<double> discountPercent,
                         std::optional<int> discountDays, std::optional<int> netDays)
{
    QString terms = QStringLiteral("Terms: ");
    if (cod.value_or(false))
        return terms + QStringLiteral("C.O.D.");
    if (discountPercent.value_or(0.0) > 0)
        terms += QString::number(*discountPercent, 'g', 15) + QStringLiteral("% ") +
                 QString::number(discountDays.value_or(0)) + QStringLiteral("   ");
    return terms + QStringLiteral("Net ") + QString::number(netDays.value_or(0));
}

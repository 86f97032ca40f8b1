#include "receivables/payments/register/paymentcolumns.h"

#include "common/formats.h"

namespace paymentcolumns
{

QString title(Column column)
{
    switch (column) {
    case Date:
        return QStringLiteral("Date");
    case ChequeNo:
        return QStringLiteral("Check no.");
    case Amount:
        return QStringLiteral("Amount");
    case CustomerNo:
        return QStringLiteral("Customer no.");
    case Name:
        return QStringLiteral("Name");
    case Period:
        return QStringLiteral("Period");
    case Posted:
        return QStringLiteral("Posted");
    case Reconciled:
        return QStringLiteral("Reconciled");
    case Count:
        break;
    }
    return {};
}

QString text(const PaymentRow& row, Column column, const FormatSettings& settings)
{
    switch (column) {
    case Date:
        return formatDate(kListDateFormat, row.paymentDate, settings);
    case ChequeNo:
        return row.chequeNo;
    case Amount:
        return formatFloat(kMoneyListFormat, row.chequeAmount, settings);
    case CustomerNo:
        return row.customerNo;
    case Name:
        return row.customerName;
    case Period:
        return row.periodText();
    case Posted:
        return yesNo(row.posted);
    case Reconciled:
        return yesNo(row.reconciled);
    case Count:
        break;
    }
    return {};
}

} // namespace paymentcolumns

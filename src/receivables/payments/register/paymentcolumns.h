#pragma once
// The payment register grid's columns: their titles and how each shows a row ("05 Jan 24",
// "1,234.50", "(30.00)", "Yes"/"No", "6/2024").

#include "common/formatsettings.h"
#include "receivables/payments/register/paymentlist.h"

namespace paymentcolumns
{
enum Column { Date, ChequeNo, Amount, CustomerNo, Name, Period, Posted, Reconciled, Count };

QString title(Column column);
QString text(const PaymentRow& row, Column column,
             const FormatSettings& settings = currentFormatSettings());
} // namespace paymentcolumns

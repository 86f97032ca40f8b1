#pragma once
// The register grid's columns: their titles and how each shows a row ("05 Jan 24",
// "1,234.50", "(30.00)", "Yes"/"No", "6/2024").

#include "common/formatsettings.h"
#include "receivables/invoices/register/registerlist.h"

namespace registercolumns
{
enum Column {
    Date,
    Age,
    CustomerNo,
    Name,
    Description,
    InvoiceNo,
    Amount,
    Owing,
    Printed,
    Posted,
    Period,
    Count
};

QString title(Column column);
QString text(const RegisterRow& row, Column column, const QDate& today,
             const FormatSettings& settings = currentFormatSettings());
} // namespace registercolumns

#include "receivables/invoices/register/registercolumns.h"

#include "common/formats.h"

namespace registercolumns
{

QString title(Column column)
{
    switch (column) {
    case Date:
        return QStringLiteral("Date");
    case Age:
        return QStringLiteral("Age");
    case CustomerNo:
        return QStringLiteral("ID no.");
    case Name:
        return QStringLiteral("Name");
    case Description:
        return QStringLiteral("Description");
    case InvoiceNo:
        return QStringLiteral("Invoice no.");
    case Amount:
        return QStringLiteral("Amount");
    case Owing:
        return QStringLiteral("Owing");
    case Printed:
        return QStringLiteral("Printed");
    case Posted:
        return QStringLiteral("Posted");
    case Period:
        return QStringLiteral("Period");
    case Count:
        break;
    }
    return {};
}

QString text(const RegisterRow& row, Column column, const QDate& today,
             const FormatSettings& settings)
{
    switch (column) {
    case Date:
        return formatDate(kListDateFormat, row.invoiceDate, settings);
    case Age: {
        const auto days = row.age(today);
        return days ? QString::number(*days) : QString();
    }
    case CustomerNo:
        return row.customerNo;
    case Name:
        return row.customerName;
    case Description:
        return row.description;
    case InvoiceNo:
        return row.invoiceNo;
    case Amount:
        return formatFloat(kMoneyListFormat, row.invoiceAmount, settings);
    case Owing:
        return formatFloat(kMoneyListFormat, row.owing, settings);
    case Printed:
        return yesNo(row.printed);
    case Posted:
        return yesNo(row.posted);
    case Period:
        return row.periodText();
    case Count:
        break;
    }
    return {};
}

} // namespace registercolumns

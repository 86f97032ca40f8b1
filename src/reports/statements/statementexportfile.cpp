#include "reports/statements/statementexportfile.h"

#include "common/formats.h"

namespace statements
{

namespace
{

QString amount(Money value, const FormatSettings& settings)
{
    return formatCurrency(value, 2, settings);
}

} // namespace

QStringList customerColumnNames()
{
    return {QStringLiteral("CustomerID"),
            QStringLiteral("CustomerNo"),
            QStringLiteral("CustomerName"),
            QStringLiteral("AddressLine1"),
            QStringLiteral("AddressLine2"),
            QStringLiteral("City"),
            QStringLiteral("StateProv"),
            QStringLiteral("ZipCode"),
            QStringLiteral("Country"),
            QStringLiteral("Contact"),
            QStringLiteral("Phone"),
            QStringLiteral("Fax"),
            QStringLiteral("Email"),
            QStringLiteral("ShipToName"),
            QStringLiteral("ShipToAddressLine1"),
            QStringLiteral("ShipToAddressLine2"),
            QStringLiteral("ShipToCity"),
            QStringLiteral("ShipToStateProv"),
            QStringLiteral("ShipToZipCode"),
            QStringLiteral("ShipToCountry"),
            QStringLiteral("CustomerType"),
            QStringLiteral("Balance")};
}

QStringList headerFields(int maxInvoices)
{
    QStringList fields = customerColumnNames();
    for (int j = 1; j <= maxInvoices; ++j) {
        const QString n = QString::number(j);
        fields << QStringLiteral("InvoiceNo") + n << QStringLiteral("InvoiceDescription") + n
               << QStringLiteral("InvoiceDate") + n << QStringLiteral("InvoiceAmount") + n
               << QStringLiteral("InvoicePaidAmount") + n
               << QStringLiteral("InvoiceDiscTakenAmount") + n
               << QStringLiteral("WriteOffAmount") + n << QStringLiteral("Owing") + n;
    }
    fields << QStringLiteral("End Of Client Record");
    return fields;
}

QStringList customerFields(const ExportCustomer& customer, const QList<ExportInvoice>& invoices,
                           int maxInvoices, const QString& statementDescription,
                           const FormatSettings& settings)
{
    QStringList fields;
    for (const QString& column : customer.columns)
        fields << mergeFieldText(column);
    fields << amount(customer.balance, settings);
    for (int j = 0; j < maxInvoices; ++j) {
        if (j < invoices.size()) {
            const ExportInvoice& i = invoices[j];
            fields << mergeFieldText(i.invoiceNo)
                   << mergeFieldText(i.description.isEmpty() ? statementDescription : i.description)
                   << shortDate(i.invoiceDate, settings) << amount(i.invoiceAmount, settings)
                   << amount(i.paidAmount, settings) << amount(i.discTakenAmount, settings)
                   << amount(i.writeOffAmount, settings) << amount(i.owing, settings);
        } else {
            fields << QString() << QString() << QString();
            for (int k = 0; k < 5; ++k)
                fields << amount(Money(), settings);
        }
    }
    fields << QStringLiteral("End of Client ") + mergeFieldText(customer.customerNo);
    return fields;
}

QString mergeFieldText(QString value)
{
    for (QChar& c : value) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return value;
}

} // namespace statements

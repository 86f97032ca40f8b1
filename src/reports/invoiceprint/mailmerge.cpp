#include "reports/invoiceprint/mailmerge.h"

#include "engine/delimitedexport.h"
#include "reports/invoiceprint/printedinvoicereader.h"

namespace mailmerge
{

QStringList columnNames()
{
    return {QStringLiteral("ShipToName"),   QStringLiteral("Contact"),
            QStringLiteral("AddressLine1"), QStringLiteral("AddressLine2"),
            QStringLiteral("City"),         QStringLiteral("StateProv"),
            QStringLiteral("ZIPCode"),      QStringLiteral("Country")};
}

int writeFile(PrintedInvoiceReader& invoices, const QString& path)
{
    DelimitedFormat format;
    format.delimiter = QLatin1Char(',');
    format.quote = QLatin1Char('"');
    format.quoteOnlyWhenNeeded = true;
    DelimitedWriter writer(path, format);
    writer.writeRow(columnNames());
    int written = 0;
    invoices.rewind();
    while (invoices.next()) {
        const PrintedInvoice& v = invoices.current();
        writer.writeRow({v.shipToName, v.contact, v.addressLine1, v.addressLine2, v.city,
                         v.stateProv, v.zipCode, v.country});
        ++written;
    }
    writer.commit();
    return written;
}

} // namespace mailmerge

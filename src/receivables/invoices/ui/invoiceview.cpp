#include "receivables/invoices/ui/invoiceview.h"

#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicetotals.h"

namespace invoiceview
{

QString caption(const InvoiceDocument& document)
{
    const InvoiceHeader& h = document.header();
    if (h.invoiceNo.isEmpty() || !h.customerId)
        return QStringLiteral("New Invoice");
    return QStringLiteral("Invoice ") + h.invoiceNo;
}

QString deliveredToName(const InvoiceDocument& document)
{
    if (document.shipToName().isEmpty() && document.shipToAddress().isEmpty())
        return QStringLiteral("Same");
    return document.shipToName();
}

QString taxLine(const InvoiceDocument& document)
{
    return taxLineText(document.tax1Description(), document.tax1Amount(),
                       document.tax2Description(), document.tax2Amount(),
                       document.formatSettings());
}

bool showsRecipientButton(const InvoiceDocument& document)
{
    return document.header().customerType == QLatin1String("F");
}

bool showsShipToAddress(const InvoiceDocument& document)
{
    return !document.header().recipId.isEmpty();
}

bool showsAddressAndTerms(const InvoiceDocument& document)
{
    return document.header().customerId.has_value();
}

} // namespace invoiceview

#include "reports/invoiceprint/invoicelabelrows.h"

#include "reports/invoiceprint/printedinvoicereader.h"

bool InvoiceLabelRows::next()
{
    if (!invoices_.next())
        return false;
    const PrintedInvoice& i = invoices_.current();
    const auto set = [this](const char* name, const QVariant& value) {
        row_.set(QLatin1String(name), value);
    };
    set("ARInvoiceID", i.arInvoiceId);
    set("CustomerID", i.customerId);
    set("InvoiceNo", i.invoiceNo);
    set("Description", i.description);
    set("InvoiceDate", i.invoiceDate);
    set("InvoiceAmount", i.invoiceAmount.raw());
    set("Owing", i.owing.raw());
    set("PurchaseOrderNo", i.purchaseOrderNo);
    set("Recip_ID", i.recipId);
    set("Printed", i.printed);
    set("CustomerNo", i.customerNo);
    set("CustomerName", i.customerName);
    set("Contact", i.contact);
    set("AddressLine1", i.addressLine1);
    set("AddressLine2", i.addressLine2);
    set("City", i.city);
    set("StateProv", i.stateProv);
    set("ZipCode", i.zipCode);
    set("Country", i.country);
    set("CustomerMessage", i.customerMessage);
    set("TaxNo", i.taxNo);
    set("CustomerType", i.customerType);
    set("ShipToName", i.shipToName);
    set("ShipToAddressLine1", i.shipToAddressLine1);
    set("ShipToAddressLine2", i.shipToAddressLine2);
    set("ShipToCity", i.shipToCity);
    set("ShipToStateProv", i.shipToStateProv);
    set("ShipToZipCode", i.shipToZipCode);
    set("ShipToCountry", i.shipToCountry);
    return true;
}

void InvoiceLabelRows::rewind()
{
    invoices_.rewind();
}

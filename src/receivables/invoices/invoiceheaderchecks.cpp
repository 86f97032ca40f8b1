#include "receivables/invoices/invoiceheaderchecks.h"

#include "receivables/invoices/invoiceheader.h"
#include "receivables/invoices/invoicelookups.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"

void checkHeaderBeforeStore(Database& db, const InvoiceHeader& header, int lineCount,
                            invoicelookup::RunLookups* run)
{
    using namespace invoicemsg;
    if (header.posted)
        return;
    if (!header.customerId)
        throw InvoiceRefusal(kCustomerRequired, InvoiceField::CustomerNo);
    if (invoicelookup::companyPeriods(db, run).fiscalYear == 0)
        throw InvoiceRefusal(kFiscalYearUndefined, InvoiceField::Period);
    if (lineCount == 0)
        throw InvoiceRefusal(kNoItems, InvoiceField::Lines);
    if (!invoicelookup::customerById(db, *header.customerId, run))
        throw InvoiceRefusal(kCustomerGone, InvoiceField::CustomerNo);
    if (!header.warehouseId || !invoicelookup::warehouseExists(db, *header.warehouseId, run))
        throw InvoiceRefusal(kWarehouseGone, InvoiceField::Location);
    if (header.invoiceNo.trimmed().isEmpty())
        throw InvoiceRefusal(fieldRequired(QStringLiteral("Invoice no.")), InvoiceField::InvoiceNo);
    if (!header.invoiceDate.isValid())
        throw InvoiceRefusal(fieldRequired(QStringLiteral("Date")), InvoiceField::InvoiceDate);
    if (!header.glPeriod)
        throw InvoiceRefusal(fieldRequired(QStringLiteral("Period")), InvoiceField::Period);
    if (!header.glYear)
        throw InvoiceRefusal(fieldRequired(QStringLiteral("Year")), InvoiceField::Year);
}

#include "billing/invoicewriter.h"

#include "engine/database.h"
#include "receivables/invoices/invoicedocument.h"

namespace billing
{

InvoiceWriter::InvoiceWriter(Database& db, const QDate& invoiceDate, const FormatSettings& format)
    : db_(db), invoiceDate_(invoiceDate), format_(format),
      company_(invoicelookup::companyPeriods(db, &lookups_))
{
}

// The first customer (by key) with the number, from the customers the run reads once.
std::optional<qint64> InvoiceWriter::customerId(const QString& customerNo)
{
    const std::optional<CustomerInfo> customer =
        invoicelookup::customerByNo(db_, customerNo, &lookups_);
    return customer ? std::optional<qint64>(customer->customerId) : std::nullopt;
}

GeneratedInvoice InvoiceWriter::write(const InvoiceRequest& request, UnitBatch* batch)
{
    std::unique_ptr<InvoiceDocument> doc = InvoiceDocument::openNew(db_, format_, &lookups_);
    if (batch)
        doc->writeThrough(*batch);
    doc->setCustomerId(customerId(request.customerNo));
    if (!request.recipId.isEmpty())
        doc->setRecipId(request.recipId);
    doc->setCustomerType(request.customerType);
    doc->setInvoiceDate(invoiceDate_);
    doc->setGLPeriod(company_.defaultPeriod > 0 ? company_.defaultPeriod : invoiceDate_.month());
    doc->setGLYear(company_.defaultYear > 0 ? company_.defaultYear : invoiceDate_.year());
    doc->setDescription(request.description);

    // Numbered 1, 2, 3, ... in this order; the generated price replaces the item's list price.
    for (const ClientLineItem& line : request.lines)
        doc->addLine({double(line.quantity), line.arItemId, line.unitPrice, line.description});
    doc->ok();

    return GeneratedInvoice{
        request.customerNo,        request.customerType,           doc->header().invoiceNo,
        doc->header().description, int(doc->storedLines().size()), doc->header().invoiceAmount};
}

} // namespace billing

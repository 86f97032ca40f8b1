#include "billing/invoicewriter.h"

#include "receivables/invoices/invoicedocument.h"

namespace billing
{

InvoiceWriter::InvoiceWriter(Database& db, const QDate& invoiceDate, const FormatSettings& format)
    : db_(db), invoiceDate_(invoiceDate), format_(format),
      company_(invoicelookup::companyPeriods(db))
{
}

std::optional<qint64> InvoiceWriter::customerId(const QString& customerNo)
{
    const auto known = customers_.constFind(customerNo);
    if (known != customers_.constEnd())
        return *known;
    const std::optional<CustomerInfo> customer = invoicelookup::customerByNo(db_, customerNo);
    const std::optional<qint64> id =
        customer ? std::optional<qint64>(customer->customerId) : std::nullopt;
    customers_.insert(customerNo, id);
    return id;
}

GeneratedInvoice InvoiceWriter::write(const InvoiceRequest& request)
{
    std::unique_ptr<InvoiceDocument> doc = InvoiceDocument::openNew(db_, format_);
    doc->setCustomerId(customerId(request.customerNo));
    if (!request.recipId.isEmpty())
        doc->setRecipId(request.recipId);
    doc->setCustomerType(request.customerType);
    doc->setInvoiceDate(invoiceDate_);
    doc->setGLPeriod(company_.defaultPeriod > 0 ? company_.defaultPeriod : invoiceDate_.month());
    doc->setGLYear(company_.defaultYear > 0 ? company_.defaultYear : invoiceDate_.year());
    doc->setDescription(request.description);

    int seq = 0;
    for (const ClientLineItem& line : request.lines) {
        doc->appendLine();
        doc->setLineSeq(++seq);
        doc->setLineQuantity(double(line.quantity));
        // The item first: it brings its list price and tax codes, and the generated price then
        // replaces the list price.
        doc->setLineItem(line.arItemId, LineColumn::None);
        doc->setLineUnitPrice(line.unitPrice);
        doc->setLineOverrideDescription(line.description);
        doc->storeLine();
    }
    doc->ok();

    return GeneratedInvoice{request.customerNo,
                            request.customerType,
                            doc->header().invoiceNo,
                            doc->header().description,
                            seq,
                            doc->header().invoiceAmount};
}

} // namespace billing

#pragma once
// Writes one generated invoice through the invoice document, so its key and number, defaults,
// customer taxes and terms, line amounts, taxes and invoice amount follow the document's rules.
// The caller holds the transaction that also takes the invoice's history entries.

#include "billing/clientlineitem.h"
#include "billing/generationrun.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicelookups.h"

#include <QHash>

class Database;

class UnitBatch;

namespace billing
{

struct InvoiceRequest {
    QString customerNo;   // the billed customer: a client's Client_ID or a funding code
    QString customerType; // "C" client, "F" funder
    QString recipId;      // the client the meals went to; empty leaves Recip_ID unset
    QString description;
    QList<ClientLineItem> lines; // in the order they are numbered on the invoice
};

class InvoiceWriter
{
public:
    InvoiceWriter(Database& db, const QDate& invoiceDate,
                  const FormatSettings& format = currentFormatSettings());

    // Raises InvoiceRefusal when the document refuses the invoice (a customer that does not
    // exist, for one) and DbError on an engine failure; nothing of the invoice is then stored.
    // With a unit batch, the invoice's rows are added to its unit being gathered instead of
    // being written at once.
    GeneratedInvoice write(const InvoiceRequest& request, UnitBatch* batch = nullptr);

private:
    std::optional<qint64> customerId(const QString& customerNo);

    Database& db_;
    QDate invoiceDate_;
    FormatSettings format_;
    invoicelookup::RunLookups lookups_; // before company_, which is read through it
    CompanyPeriods company_;
};

} // namespace billing

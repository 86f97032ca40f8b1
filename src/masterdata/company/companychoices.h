#pragma once
// The organization's invoicing choices: each is stored as a one-letter code and shown with its
// long text.

#include <QList>
#include <QString>

struct CompanyChoice {
    QString code;
    QString text;
};

namespace companychoices
{
// ClientInvoiceLineItems
QList<CompanyChoice> clientLineItems();
// ClientInvoiceFormat and FunderInvoiceFormat
QList<CompanyChoice> invoiceFormats();
// FunderInvoicingMethod
QList<CompanyChoice> funderInvoicingMethods();
// FunderInvoiceLineItems
QList<CompanyChoice> funderLineItems();
} // namespace companychoices

#pragma once
// The printed invoice and statement (TrptARInvoiceAndStatement): each selected invoice on pages
// of its own, with the organization's letterhead, the bill-to and delivered-to blocks, its lines,
// its totals and messages, continuation headers numbered within the invoice, and a remittance
// stub at the foot of its first page. The wording of every invoice follows the organization's
// options (invoicewording.h); the layout is this file's.

#include "common/formatsettings.h"
#include "report/page.h"
#include "report/reportdefinition.h"
#include "reports/invoiceprint/invoiceorganization.h"

#include <QDateTime>
#include <memory>

class PrintedInvoiceReader;
class Progress;

class TrptARInvoiceAndStatement
{
public:
    explicit TrptARInvoiceAndStatement(const InvoiceOrganization& organization,
                                       const FormatSettings& settings = currentFormatSettings());
    ~TrptARInvoiceAndStatement();

    static QString title() { return QStringLiteral("AR Invoice(s)"); }

    // Prints every invoice the reader gives, from its first, into the sink, one page after
    // another; steps the progress once per invoice. Returns the number of pages. An empty
    // selection prints nothing.
    int print(PrintedInvoiceReader& invoices, report::PageSink& sink, Progress& progress,
              const QDateTime& printedAt = QDateTime::currentDateTime());

private:
    struct State;
    std::unique_ptr<State> state_;
    report::ReportDefinition definition_;
};

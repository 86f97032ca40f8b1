#pragma once
// The amounts and texts an invoice's printout works out from the stored invoice: its terms, its
// two taxes and subtotal, what has been paid, the tax captions with their rates, the address
// blocks closed up when a line is empty, and each line's amount and tax column.

#include "common/formatsettings.h"
#include "receivables/invoices/invoicetotals.h"
#include "receivables/invoices/taxbuckets.h"
#include "reports/customeraddress.h"
#include "reports/invoiceprint/printedinvoice.h"

#include <QDate>
#include <QString>
#include <optional>

namespace invoiceprint
{

// What the stored invoice holds for the worked-out fields but the printout does not show.
struct InvoiceFieldInputs {
    bool cod = false;
    double discPC = 0;
    std::optional<int> discDays;
    int netDays = 0;
    AppliedTax tax1;
    AppliedTax tax2;
    QString tax1Description;
    QString tax2Description;
    TaxBuckets buckets;
};

// The address blocks close up as every printed address does.
using reports::AddressLines2To4;
using reports::addressLines2To4;

// "Terms: C.O.D.", or "Terms: " with "2% 10   " for a discount and then "Payable on Receipt"
// or "Due " and the due date in the short date format.
QString termsText(bool cod, double discPC, std::optional<int> discDays, int netDays,
                  QDate invoiceDate, const FormatSettings& settings);
// "GST @ 5%", or the description alone when the invoice charges no rate.
QString taxDescriptionRate(const QString& description, std::optional<double> ratePercent);
// The line's tax codes, in order, that are one of the invoice's two tax codes.
QString applicableTaxCodes(const QString& lineTaxCodes, const QString& tax1Code,
                           const QString& tax2Code);

// Fills the worked-out fields of an invoice whose stored fields are already read.
void workOutFields(PrintedInvoice& invoice, const InvoiceFieldInputs& inputs,
                   const FormatSettings& settings);

// One line as it prints, from the stored line and its item.
struct StoredLine {
    int seq = 0;
    std::optional<double> quantity;
    std::optional<Money> unitPrice;
    QString taxCodes;
    QString itemOvDesc;
    QString itemNo;
    QString itemDescription;
};
PrintedInvoiceLine printedLine(const StoredLine& line, const QString& tax1Code,
                               const QString& tax2Code);

} // namespace invoiceprint

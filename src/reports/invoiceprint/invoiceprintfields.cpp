#include "reports/invoiceprint/invoiceprintfields.h"

#include "common/formats.h"
#include "receivables/invoices/invoicelines.h"

namespace invoiceprint
{

namespace
{

// The sizes of the printout's worked-out text fields; longer text is cut, as it always was.
constexpr int kTermsSize = 60;
constexpr int kTaxCaptionSize = 30;
constexpr int kApplicableCodesSize = 2;
constexpr int kLineTaxCodesSize = 3;

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

QString termsText(bool cod, double discPC, std::optional<int> discDays, int netDays,
                  QDate invoiceDate, const FormatSettings& settings)
{
    QString terms = QStringLiteral("Terms: ");
    if (cod)
        return terms + QStringLiteral("C.O.D.");
    if (discPC > 0)
        terms += number(discPC) + QStringLiteral("% ") + QString::number(discDays.value_or(0)) +
                 QStringLiteral("   ");
    if (netDays == 0)
        terms += QStringLiteral("Payable on Receipt");
    else
        terms += QStringLiteral("Due ") + shortDate(invoiceDate.addDays(netDays), settings);
    return terms.left(kTermsSize);
}

QString taxDescriptionRate(const QString& description, std::optional<double> ratePercent)
{
    const double rate = ratePercent.value_or(0.0);
    const QString caption =
        rate > 0 ? description + QStringLiteral(" @ ") + number(rate) + QLatin1Char('%')
                 : description;
    return caption.left(kTaxCaptionSize);
}

QString applicableTaxCodes(const QString& lineTaxCodes, const QString& tax1Code,
                           const QString& tax2Code)
{
    QString codes;
    for (QChar c : QStringView(lineTaxCodes).left(kLineTaxCodesSize)) {
        if (QString(c) == tax1Code || QString(c) == tax2Code)
            codes += c;
    }
    return codes.left(kApplicableCodesSize);
}

void workOutFields(PrintedInvoice& invoice, const InvoiceFieldInputs& inputs,
                   const FormatSettings& settings)
{
    invoice.terms = termsText(inputs.cod, inputs.discPC, inputs.discDays, inputs.netDays,
                              invoice.invoiceDate, settings);
    invoice.tax1Amount = taxOnBuckets(inputs.buckets, inputs.tax1);
    invoice.tax2Amount = taxOnBuckets(inputs.buckets, inputs.tax2);
    invoice.subtotal = invoice.invoiceAmount - invoice.tax1Amount - invoice.tax2Amount;
    invoice.payments = invoice.invoiceAmount - invoice.owing;
    invoice.tax1DescriptionRate =
        taxDescriptionRate(inputs.tax1Description, inputs.tax1.ratePercent);
    invoice.tax2DescriptionRate =
        taxDescriptionRate(inputs.tax2Description, inputs.tax2.ratePercent);

    const AddressLines2To4 billTo = addressLines2To4(
        invoice.addressLine2, invoice.city, invoice.stateProv, invoice.zipCode, invoice.country);
    invoice.addressLine2P = billTo.line2;
    invoice.addressLine3P = billTo.line3;
    invoice.addressLine4P = billTo.line4;
    const AddressLines2To4 shipTo =
        addressLines2To4(invoice.shipToAddressLine2, invoice.shipToCity, invoice.shipToStateProv,
                         invoice.shipToZipCode, invoice.shipToCountry);
    invoice.shipToAddressLine2P = shipTo.line2;
    invoice.shipToAddressLine3P = shipTo.line3;
    invoice.shipToAddressLine4P = shipTo.line4;
}

PrintedInvoiceLine printedLine(const StoredLine& line, const QString& tax1Code,
                               const QString& tax2Code)
{
    PrintedInvoiceLine printed;
    printed.seq = line.seq;
    printed.quantity = line.quantity;
    printed.itemNo = line.itemNo;
    printed.description = line.itemOvDesc.isEmpty() ? line.itemDescription : line.itemOvDesc;
    printed.unitPrice = line.unitPrice;
    printed.applicableTaxCodes = applicableTaxCodes(line.taxCodes, tax1Code, tax2Code);
    InvoiceLine stored;
    stored.quantity = line.quantity;
    stored.unitPrice = line.unitPrice;
    printed.extAmount = stored.extAmount();
    return printed;
}

} // namespace invoiceprint

#include "reports/invoiceprint/invoicewording.h"

#include "common/formats.h"
#include "reports/customeraddress.h"

namespace
{

const QString kFunder = QStringLiteral("F");
const QString kClient = QStringLiteral("C");
const QString kIntegrated = QStringLiteral("I");
const QString kSeparate = QStringLiteral("S");

QString formatOf(const QString& customerType, const InvoiceWordingOptions& options)
{
    const bool integrated =
        (customerType == kFunder && options.funderInvoiceFormat == kIntegrated) ||
        (customerType == kClient && options.clientInvoiceFormat == kIntegrated);
    return integrated ? kIntegrated : kSeparate;
}

// Without Australian wording. Credit notes leave the captions as they are.
void titleAndCaptions(const PrintedInvoice& invoice, InvoiceWording& w)
{
    const bool integrated = w.format == kIntegrated;
    if (invoice.invoiceAmount < Money()) {
        w.title =
            integrated ? QStringLiteral("Credit Note/Statement") : QStringLiteral("Credit Note");
        return;
    }
    if (integrated)
        w.title = w.suppressed ? QStringLiteral("Statement") : QStringLiteral("Invoice/Statement");
    else
        w.title = w.suppressed ? QStringLiteral(" ") : QStringLiteral("Invoice");
    w.captions = w.suppressed ? InvoiceCaptions::neutral() : InvoiceCaptions::invoice();
}

// With Australian wording: suppression here means the organization's flag alone, and the
// captions are never changed.
QString australianTitle(const PrintedInvoice& invoice, const QString& format, bool suppressFlag)
{
    if (!invoice.taxNo.isEmpty())
        return QStringLiteral("Tax Invoice");
    if (format == kSeparate)
        return QStringLiteral("Invoice");
    return suppressFlag ? QStringLiteral("Statement") : QStringLiteral("Invoice/Statement");
}

} // namespace

InvoiceCaptions InvoiceCaptions::invoice()
{
    return {QStringLiteral(" Invoice Description"), QStringLiteral("Invoice no."),
            QStringLiteral("Invoice Date"),         QStringLiteral("Invoice Total"),
            QStringLiteral("Invoice Payments"),     QStringLiteral("Invoice Balance"),
            QStringLiteral("Invoice Number")};
}

InvoiceCaptions InvoiceCaptions::neutral()
{
    return {QStringLiteral(" Description"),   QStringLiteral("Doc no."),  QStringLiteral("Date"),
            QStringLiteral("Total"),          QStringLiteral("Payments"), QStringLiteral("Balance"),
            QStringLiteral("Document Number")};
}

InvoiceWordingRun::InvoiceWordingRun(InvoiceWordingOptions options, const FormatSettings& settings)
    : options_(std::move(options)), settings_(settings)
{
}

InvoiceWording InvoiceWordingRun::next(const PrintedInvoice& invoice)
{
    InvoiceWording w;
    w.format = formatOf(invoice.customerType, options_);
    w.suppressed = options_.suppressInvoiceWording &&
                   (invoice.customerType == kClient || invoice.customerType.isEmpty());
    w.captions = captions_;
    if (options_.australia)
        w.title = australianTitle(invoice, w.format, options_.suppressInvoiceWording);
    else
        titleAndCaptions(invoice, w);
    captions_ = w.captions;

    const bool funder = invoice.customerType == kFunder;
    w.billToContact =
        reports::contactLine(invoice.customerType, invoice.customerName, invoice.contact);
    w.showShipTo = !invoice.shipToName.isEmpty() || !invoice.shipToAddressLine1.isEmpty();
    if (!w.showShipTo) {
        if (!funder)
            w.deliveredToLabel = QStringLiteral("Same");
        else if (!invoice.recipId.isEmpty())
            w.deliveredToLabel = invoice.recipientName;
    }

    const bool integrated = w.format == kIntegrated;
    w.showPriorBalance = integrated;
    w.priorBalance = invoice.currentBalance - invoice.owing;
    w.priorBalanceText = formatCurrency(w.priorBalance, 2, settings_);
    w.showTax1 = !invoice.tax1Amount.isZero();
    w.showTax2 = !invoice.tax2Amount.isZero();
    w.showPaymentsAndBalance = integrated && !invoice.payments.isZero();
    w.showCurrentBalance = integrated;
    w.showTerms = options_.printTerms;
    return w;
}

#include "reports/invoiceprint/invoiceorganization.h"

#include "engine/database.h"

namespace
{

constexpr int kLargeNameFontSize = 22;
constexpr int kSmallNameFontSize = 16;
constexpr int kLongNameLength = 26;

} // namespace

InvoiceLetterhead letterheadFor(const QString& companyName, const QString& addressLine1,
                                const QString& addressLine2, const QString& addressLine3,
                                const QString& phone, const QString& taxNo)
{
    InvoiceLetterhead l;
    l.companyName = companyName;
    l.companyNameFontSize =
        companyName.size() < kLongNameLength ? kLargeNameFontSize : kSmallNameFontSize;
    l.addressLabel = addressLine1;
    for (const QString& line : {addressLine1, addressLine2, addressLine3}) {
        if (!line.isEmpty())
            l.addressLines << line;
    }
    for (const QString& line : {addressLine2, addressLine3}) {
        if (!line.isEmpty())
            l.addressLabel += QStringLiteral(", ") + line;
    }
    if (!phone.isEmpty())
        l.phoneLabel = QStringLiteral("Tel: ") + phone;
    l.footerLine1 = companyName;
    if (!taxNo.isEmpty())
        l.footerLine1 += QStringLiteral("     ") + taxNo;
    l.footerLine2 = l.addressLabel + QStringLiteral("   ") + l.phoneLabel;
    return l;
}

InvoiceOrganization readInvoiceOrganization(Database& db)
{
    InvoiceOrganization org;
    Statement c = db.query(QStringLiteral(
        "SELECT CompanyName, AddressLine1, AddressLine2, AddressLine3, Phone, TaxNo,"
        " ARInvoiceMessage, FunderInvoiceFormat, ClientInvoiceFormat, SuppressInvoiceWording,"
        " ARInvoiceAustralia, ARPrintTerms, ARInvoiceCopies FROM Company ORDER BY CompanyNo"));
    c.exec();
    if (c.next()) {
        org.letterhead = letterheadFor(
            c.text(QStringLiteral("CompanyName")), c.text(QStringLiteral("AddressLine1")),
            c.text(QStringLiteral("AddressLine2")), c.text(QStringLiteral("AddressLine3")),
            c.text(QStringLiteral("Phone")), c.text(QStringLiteral("TaxNo")));
        org.letterhead.invoiceMessage = c.text(QStringLiteral("ARInvoiceMessage"));
        InvoiceWordingOptions& o = org.options;
        o.funderInvoiceFormat = c.text(QStringLiteral("FunderInvoiceFormat"));
        o.clientInvoiceFormat = c.text(QStringLiteral("ClientInvoiceFormat"));
        o.suppressInvoiceWording = c.boolean(QStringLiteral("SuppressInvoiceWording"));
        o.australia = c.boolean(QStringLiteral("ARInvoiceAustralia"));
        o.printTerms = c.boolean(QStringLiteral("ARPrintTerms"));
        o.invoiceCopies = int(c.integer(QStringLiteral("ARInvoiceCopies")));
    } else {
        org.letterhead = letterheadFor({}, {}, {}, {}, {}, {});
    }
    c.finish();

    Statement logo = db.query(QStringLiteral("SELECT Logo FROM Logo"));
    logo.exec();
    while (logo.next() && org.letterhead.logo.isNull()) {
        const QByteArray bytes = logo.value(0).toByteArray();
        if (!bytes.isEmpty())
            org.letterhead.logo = QImage::fromData(bytes);
    }
    return org;
}

#pragma once
// The organization as a print run's invoices show it, read once per run from the Company row
// and the Logo table: the letterhead and footer, the closing message, and the options that
// decide each invoice's wording.

#include <QImage>
#include <QString>
#include <QStringList>

class Database;

struct InvoiceLetterhead {
    QString companyName;
    int companyNameFontSize = 22; // points: 22, or 16 for a name of 26 characters or more
    QString addressLabel;         // "1 Main St, Suite 2, Dayton"
    QStringList addressLines;     // the address lines that are not empty, one per line
    QString phoneLabel;           // "Tel: 555-0100", or empty
    QString footerLine1;          // the name, and five blanks and the tax number when there is one
    QString footerLine2;          // the address label, three blanks, the phone label
    QString invoiceMessage;       // printed after each invoice's footer when not empty
    QImage logo;                  // null when none is stored
};

struct InvoiceWordingOptions {
    QString funderInvoiceFormat; // "I" integrated invoice and statement, else separate
    QString clientInvoiceFormat;
    bool suppressInvoiceWording = false;
    bool australia = false; // "Tax Invoice" wording
    bool printTerms = false;
    int invoiceCopies = 1; // as stored; see copiesToPrint()
    // The copies the print dialog starts with: at least one.
    int copiesToPrint() const { return invoiceCopies > 0 ? invoiceCopies : 1; }
};

struct InvoiceOrganization {
    InvoiceLetterhead letterhead;
    InvoiceWordingOptions options;
};

// The letterhead from the organization's name, address lines, phone and tax number.
InvoiceLetterhead letterheadFor(const QString& companyName, const QString& addressLine1,
                                const QString& addressLine2, const QString& addressLine3,
                                const QString& phone, const QString& taxNo);

// Reads the Company row and the logo; an organization without a row prints blank letterhead.
InvoiceOrganization readInvoiceOrganization(Database& db);

#pragma once
// Invoice Print Setup: the organization's invoice options in Company and the logo printed on
// invoices. The dialog reads them, changes its copy, and stores both at OK; Cancel simply drops
// the copy.

#include <QByteArray>
#include <QString>

class Database;

struct InvoicePrintSetup {
    QString message; // ARInvoiceMessage, printed at the foot of every invoice
    int copies = 0;  // ARInvoiceCopies, at most two digits
    bool printTerms = false;
    bool australia = false; // the Australian tax invoice wording
    int style = 0;          // ARInvoiceStyle, shown only: 0 Classic, 1 Professional
    QByteArray logo;        // the bitmap file's bytes; empty for no logo

    static constexpr int kMaxCopies = 99;
    static QString styleName(int style);
};

InvoicePrintSetup readInvoicePrintSetup(Database& db);
// Stores the options in the organization's row and the logo, both or neither. Copies outside
// 0..99 are refused with std::invalid_argument (the box takes two digits).
void storeInvoicePrintSetup(Database& db, const InvoicePrintSetup& setup);

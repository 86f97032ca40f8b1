#pragma once
// The organization's invoice options that Invoice Print Setup edits: the message printed after
// every invoice, the number of copies, whether terms print, the Australian tax-invoice wording,
// the (future) style, and the logo at the top of every invoice page.

#include <QByteArray>
#include <QString>

class Database;

struct InvoicePrintSetup {
    QString message; // ARInvoiceMessage, up to 120 characters
    int copies = 0;  // ARInvoiceCopies, 0 to 99 (0 prints one)
    bool printTerms = false;
    bool australia = false;
    int style = 0;   // ARInvoiceStyle: 0 "Classic", 1 "Professional"; not edited yet
    QByteArray logo; // the picture's file as stored (the screen checks it is one); empty
                     // for none

    static constexpr int kMaxCopies = 99;
};

InvoicePrintSetup readInvoicePrintSetup(Database& db);
// Stores the options in the organization row and the logo in its table, in one transaction.
// Raises std::invalid_argument for copies outside 0..99.
void storeInvoicePrintSetup(Database& db, const InvoicePrintSetup& setup);

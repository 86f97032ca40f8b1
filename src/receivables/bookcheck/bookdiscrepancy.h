#pragma once
// One thing in the books that does not tie, as the book check reports it; or a notice of
// something a balance reset did, which the books explain and which does not count against them.

#include "common/money.h"

#include <QList>
#include <QString>

class FormatSettings;

struct BookDiscrepancy {
    enum class Kind {
        CustomerBalance,   // CBalance against the posted invoices' Owing
        InvoiceAmount,     // InvoiceAmount against the lines and taxes
        InvoiceOwing,      // Owing against amount less paid, discount and write-off
        OrphanLine,        // an ARInvDet row whose invoice is gone
        DuplicateNumber,   // one invoice number on two invoices
        DuplicateKey,      // one key on two rows of a table
        Counter,           // a control counter not above what was drawn from it
        MissingTable,      // a table the books are kept in is not there
        InvoicePayments,   // paid, discount and write-off against the posted payments' lines
        PaymentInvoice,    // a posted payment's line on an invoice no balance of its own carries
        ClearedByReset,    // notice: Owing below amount less paid, discount and write-off
        PledgesWrittenOff, // notice: a write-off beyond the payments' lines, within its pledges
    };
    Kind kind;
    QString text;
    bool isNotice() const
    {
        return kind == Kind::ClearedByReset || kind == Kind::PledgesWrittenOff;
    }
    bool operator==(const BookDiscrepancy&) const = default;
};

using BookDiscrepancies = QList<BookDiscrepancy>;

// The discrepancies that are not notices: the books tie when there are none.
BookDiscrepancies failuresOf(const BookDiscrepancies& found);

// An amount in a discrepancy: two decimals, or four when the amount has parts of a cent, so two
// amounts that differ never read alike; a credit has a leading minus.
QString bookAmount(Money amount, const FormatSettings& settings);
// An invoice in a discrepancy: by its number, or by its key when it has none.
QString bookInvoiceName(qint64 invoiceId, const QString& invoiceNo);

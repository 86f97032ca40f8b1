#pragma once
// The invoices of a print run, read one after another as the document prints them. The keys of
// the selected invoices are read once, in the chosen order; the invoices themselves are read a
// block at a time (the invoices with their customers, recipients and looked-up names in one
// statement, all their lines in a second, their customers' balances in a third), so a batch of
// thousands of invoices is never held whole and a server is asked three times per block rather
// than several times per invoice. The reader starts again from the first invoice for another
// copy of the batch.

#include "common/formatsettings.h"
#include "reports/invoiceprint/printedinvoice.h"

#include <optional>
#include <span>
#include <vector>

class Database;
class InvoiceSelection;

class PrintedInvoiceReader
{
public:
    static constexpr int kDefaultBlockSize = 200;

    // Reads the keys of the selected invoices.
    PrintedInvoiceReader(Database& db, const InvoiceSelection& selection,
                         const FormatSettings& settings = currentFormatSettings(),
                         int blockSize = kDefaultBlockSize);

    Database& database() const { return db_; }
    // The batch size: the invoices the selection held when the reader was made.
    int count() const { return int(keys_.size()); }
    // The keys of the batch in print order.
    const std::vector<qint64>& keys() const { return keys_; }

    // Moves to the next invoice; false after the last. An invoice deleted since the keys were
    // read is passed over.
    bool next();
    const PrintedInvoice& current() const { return *block_[position_ - blockStart_]; }
    // Back to before the first invoice; the invoices are read afresh.
    void rewind();

private:
    void loadBlock(int first);
    QString invoicesSql() const;

    Database& db_;
    FormatSettings settings_;
    int blockSize_;
    QStringList customerColumns_; // the selection's lines 1 to 3
    QStringList joins_;           // its lines 4 to 6
    std::vector<qint64> keys_;
    // The invoices of the block in reading, aligned with their keys.
    std::vector<std::optional<PrintedInvoice>> block_;
    int blockStart_ = 0;
    int position_ = -1;
};

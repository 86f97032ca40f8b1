#pragma once
// The invoices of a print run as the label template sees them: the rows of the "ARLabels"
// source (every invoice field, the customer's address, the recipient's ship-to address) for
// the invoices being printed, in their print order. Read a block of invoices at a time.

#include "report/rowsource.h"

#include <QHash>
#include <vector>

class Database;

class InvoiceLabelRows final : public report::RowSource
{
public:
    // `keys`: the invoices in print order (PrintedInvoiceReader::keys()).
    InvoiceLabelRows(Database& db, std::vector<qint64> keys);
    bool next() override;
    const report::Row& row() const override { return row_; }
    void rewind() override;

private:
    void loadBlock(std::size_t first);

    Database& db_;
    std::vector<qint64> keys_;
    QString blockSql_;
    std::size_t position_ = 0; // one past the current invoice
    std::size_t blockEnd_ = 0;
    QHash<qint64, report::Row> block_;
    report::Row row_;
};

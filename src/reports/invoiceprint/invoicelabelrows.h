#pragma once
// The selected invoices as the label template sees them: one row per invoice, in print order,
// with the fields of the selection under their column names (CustomerName, ShipToName,
// AddressLine1, City, InvoiceNo, ...), money as stored (ten-thousandths).

#include "report/rowsource.h"

class PrintedInvoiceReader;

class InvoiceLabelRows final : public report::RowSource
{
public:
    explicit InvoiceLabelRows(PrintedInvoiceReader& invoices) : invoices_(invoices) {}
    bool next() override;
    const report::Row& row() const override { return row_; }
    void rewind() override;

private:
    PrintedInvoiceReader& invoices_;
    report::Row row_;
};

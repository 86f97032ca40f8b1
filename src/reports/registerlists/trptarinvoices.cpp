#include "reports/registerlists/trptarinvoices.h"

#include "receivables/invoices/register/registercolumns.h"
#include "reports/printhelpers.h"
#include "reports/registerlists/listlayout.h"

using registercolumns::Column;

namespace
{

// Left to right as printed; the description takes what is left of the line.
const reports::RegisterCell<Column> kCells[] = {
    {registercolumns::CustomerNo, "ID", 36, false, nullptr},
    {registercolumns::Name, "Name", 92, false, nullptr},
    {registercolumns::InvoiceNo, "Inv No.", 38, false, nullptr},
    {registercolumns::Date, "Date", 40, false, nullptr},
    {registercolumns::Amount, "Amount", 56, true, "InvoiceAmount"},
    {registercolumns::Owing, "Owing", 56, true, "Owing"},
    {registercolumns::Printed, "Prtd", 20, false, nullptr},
    {registercolumns::Period, "Period", 30, false, nullptr},
    {registercolumns::Posted, "Posted", 28, false, nullptr},
    {registercolumns::Age, "Age", 20, true, nullptr},
    {registercolumns::Description, "Description", 0, false, nullptr},
};

const QString kAmount = QStringLiteral("InvoiceAmount");
const QString kOwing = QStringLiteral("Owing");

} // namespace

TrptARInvoices::TrptARInvoices(QList<RegisterRow> invoices, const QDate& today)
    : invoices_(std::move(invoices)), today_(today)
{
}

report::ReportDefinition TrptARInvoices::definition()
{
    return reports::listReport(title(), reports::registerListColumns(kCells),
                               QStringLiteral("Report Totals:"));
}

report::ListRowSource TrptARInvoices::rows() const
{
    return reports::registerListRows(
        invoices_, kCells, {kAmount, kOwing},
        [](report::Row& row, const RegisterRow& invoice) {
            row.set(kAmount, invoice.invoiceAmount.raw());
            row.set(kOwing, invoice.owing.raw());
        },
        [this](const RegisterRow& invoice, Column column) {
            return registercolumns::text(invoice, column, today_);
        });
}

int TrptARInvoices::print(report::PageSink& sink, const report::RunOptions& options) const
{
    report::ListRowSource source = rows();
    return reports::runReport(definition(), source, sink, options);
}

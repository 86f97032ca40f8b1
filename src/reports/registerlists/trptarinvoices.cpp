#include "reports/registerlists/trptarinvoices.h"

#include "receivables/invoices/register/registercolumns.h"
#include "reports/registerlists/listlayout.h"

using registercolumns::Column;

namespace
{

struct Cell {
    Column column;
    const char* caption;
    qreal width;
    bool right;
    const char* sumOf; // the money field summed under the column, or nothing
};

// Left to right as printed; the description takes what is left of the line.
const Cell kCells[] = {
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

QString fieldOf(Column column)
{
    return QStringLiteral("Column%1").arg(int(column));
}

} // namespace

TrptARInvoices::TrptARInvoices(QList<RegisterRow> invoices, const QDate& today)
    : invoices_(std::move(invoices)), today_(today)
{
}

report::ReportDefinition TrptARInvoices::definition()
{
    std::vector<reports::ListColumn> columns;
    for (const Cell& cell : kCells)
        columns.push_back({QString::fromLatin1(cell.caption), fieldOf(cell.column), cell.width,
                           cell.right, false, QString::fromLatin1(cell.sumOf)});
    return reports::listReport(title(), columns, QStringLiteral("Report Totals:"));
}

report::ListRowSource TrptARInvoices::rows() const
{
    QStringList fields = {kAmount, kOwing};
    for (const Cell& cell : kCells)
        fields << fieldOf(cell.column);
    const report::Row blank(fields);
    std::vector<report::Row> rows;
    rows.reserve(invoices_.size());
    for (const RegisterRow& invoice : invoices_) {
        report::Row row = blank;
        row.set(kAmount, invoice.invoiceAmount.raw());
        row.set(kOwing, invoice.owing.raw());
        for (const Cell& cell : kCells)
            row.set(fieldOf(cell.column), registercolumns::text(invoice, cell.column, today_));
        rows.push_back(std::move(row));
    }
    return report::ListRowSource(std::move(rows));
}

int TrptARInvoices::print(report::PageSink& sink, const report::RunOptions& options) const
{
    const report::ReportDefinition d = definition();
    report::ListRowSource source = rows();
    return report::ReportRunner(d, options).run(source, sink);
}

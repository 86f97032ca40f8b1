#include "reports/registerlists/trptarpayments.h"

#include "receivables/payments/register/paymentcolumns.h"
#include "reports/registerlists/listlayout.h"

using paymentcolumns::Column;

namespace
{

struct Cell {
    Column column;
    const char* caption;
    qreal width;
    bool right;
    const char* sumOf; // the money field summed under the column, or nothing
};

// Left to right as printed.
const Cell kCells[] = {
    {paymentcolumns::CustomerNo, "Client ID", 56, false, nullptr},
    {paymentcolumns::Name, "Name", 150, false, nullptr},
    {paymentcolumns::ChequeNo, "Check no.", 60, false, nullptr},
    {paymentcolumns::Date, "Date", 46, false, nullptr},
    {paymentcolumns::Amount, "Amount", 70, true, "ChequeAmount"},
    {paymentcolumns::Period, "Period", 40, false, nullptr},
    {paymentcolumns::Posted, "Posted", 34, false, nullptr},
    {paymentcolumns::Reconciled, "Reconciled", 0, false, nullptr},
};

QString fieldOf(Column column)
{
    return QStringLiteral("Column%1").arg(int(column));
}

const QString kAmount = QStringLiteral("ChequeAmount");

} // namespace

TrptARPayments::TrptARPayments(QList<PaymentRow> payments) : payments_(std::move(payments)) {}

report::ReportDefinition TrptARPayments::definition()
{
    std::vector<reports::ListColumn> columns;
    for (const Cell& cell : kCells)
        columns.push_back({QString::fromLatin1(cell.caption), fieldOf(cell.column), cell.width,
                           cell.right, false, QString::fromLatin1(cell.sumOf)});
    return reports::listReport(title(), columns, QStringLiteral("Report Total:"));
}

report::ListRowSource TrptARPayments::rows() const
{
    QStringList fields = {kAmount};
    for (const Cell& cell : kCells)
        fields << fieldOf(cell.column);
    const report::Row blank(fields);
    std::vector<report::Row> rows;
    rows.reserve(payments_.size());
    for (const PaymentRow& payment : payments_) {
        report::Row row = blank;
        row.set(kAmount, payment.chequeAmount.raw());
        for (const Cell& cell : kCells)
            row.set(fieldOf(cell.column), paymentcolumns::text(payment, cell.column));
        rows.push_back(std::move(row));
    }
    return report::ListRowSource(std::move(rows));
}

int TrptARPayments::print(report::PageSink& sink, const report::RunOptions& options) const
{
    const report::ReportDefinition d = definition();
    report::ListRowSource source = rows();
    return report::ReportRunner(d, options).run(source, sink);
}

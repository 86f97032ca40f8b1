#include "reports/registerlists/trptarpayments.h"

#include "receivables/payments/register/paymentcolumns.h"
#include "reports/printhelpers.h"
#include "reports/registerlists/listlayout.h"

using paymentcolumns::Column;

namespace
{

// Left to right as printed.
const reports::RegisterCell<Column> kCells[] = {
    {paymentcolumns::CustomerNo, "Client ID", 56, false, nullptr},
    {paymentcolumns::Name, "Name", 150, false, nullptr},
    {paymentcolumns::ChequeNo, "Check no.", 60, false, nullptr},
    {paymentcolumns::Date, "Date", 46, false, nullptr},
    {paymentcolumns::Amount, "Amount", 70, true, "ChequeAmount"},
    {paymentcolumns::Period, "Period", 40, false, nullptr},
    {paymentcolumns::Posted, "Posted", 34, false, nullptr},
    {paymentcolumns::Reconciled, "Reconciled", 0, false, nullptr},
};

const QString kAmount = QStringLiteral("ChequeAmount");

} // namespace

TrptARPayments::TrptARPayments(QList<PaymentRow> payments) : payments_(std::move(payments)) {}

report::ReportDefinition TrptARPayments::definition()
{
    return reports::listReport(title(), reports::registerListColumns(kCells),
                               QStringLiteral("Report Total:"));
}

report::ListRowSource TrptARPayments::rows() const
{
    return reports::registerListRows(
        payments_, kCells, {kAmount},
        [](report::Row& row, const PaymentRow& payment) {
            row.set(kAmount, payment.chequeAmount.raw());
        },
        [](const PaymentRow& payment, Column column) {
            return paymentcolumns::text(payment, column);
        });
}

int TrptARPayments::print(report::PageSink& sink, const report::RunOptions& options) const
{
    report::ListRowSource source = rows();
    return reports::runReport(definition(), source, sink, options);
}

#pragma once
// "AR Payments": the payment register's list on paper, printed over the cheques the register
// shows (its filter, the Outstanding toggle and its order are the register's), each cell as
// the register's grid writes it, with the report total of the cheques.

#include "receivables/payments/register/paymentlist.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <QList>

class TrptARPayments
{
public:
    explicit TrptARPayments(QList<PaymentRow> payments);

    static QString title() { return QStringLiteral("AR Payments"); }
    static report::ReportDefinition definition();
    // The report's rows: the cells' texts, and the raw cheque amount the total adds up.
    report::ListRowSource rows() const;
    // Prints every page into the sink; returns the number of pages.
    int print(report::PageSink& sink, const report::RunOptions& options = {}) const;

private:
    QList<PaymentRow> payments_;
};

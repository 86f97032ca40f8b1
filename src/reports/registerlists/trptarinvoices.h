#pragma once
// "AR Invoices": the invoice register's list on paper, printed over the invoices the register
// shows (its filter, the Outstanding toggle and its order are the register's), each cell as
// the register's grid writes it, with the report totals of the amounts and of what is owing.

#include "receivables/invoices/register/registerlist.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <QDate>
#include <QList>

class TrptARInvoices
{
public:
    // `today` is the day the Age column counts to.
    TrptARInvoices(QList<RegisterRow> invoices, const QDate& today);

    static QString title() { return QStringLiteral("AR Invoices"); }
    static report::ReportDefinition definition();
    // The report's rows: the cells' texts, and the raw amounts the totals add up.
    report::ListRowSource rows() const;
    // Prints every page into the sink; returns the number of pages.
    int print(report::PageSink& sink, const report::RunOptions& options = {}) const;

private:
    QList<RegisterRow> invoices_;
    QDate today_;
};

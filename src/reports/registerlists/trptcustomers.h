#pragma once
// "Customers": the customer list on paper, one line per customer with its number, name, phone
// and notes. The customer list's Print prints the customers that list shows, in its order,
// through this report.

#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <QList>
#include <QString>

struct CustomerListRow {
    QString customerNo;
    QString customerName;
    QString phone;
    QString notes;
};

class TrptCustomers
{
public:
    explicit TrptCustomers(QList<CustomerListRow> customers);

    static QString title() { return QStringLiteral("Customers"); }
    static report::ReportDefinition definition();
    report::ListRowSource rows() const;
    // Prints every page into the sink; returns the number of pages.
    int print(report::PageSink& sink, const report::RunOptions& options = {}) const;

private:
    QList<CustomerListRow> customers_;
};

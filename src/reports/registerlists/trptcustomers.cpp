#include "reports/registerlists/trptcustomers.h"

#include "reports/printhelpers.h"
#include "reports/registerlists/listlayout.h"

namespace
{
const QString kNo = QStringLiteral("CustomerNo");
const QString kName = QStringLiteral("CustomerName");
const QString kPhone = QStringLiteral("Phone");
const QString kNotes = QStringLiteral("Notes");
} // namespace

TrptCustomers::TrptCustomers(QList<CustomerListRow> customers) : customers_(std::move(customers)) {}

report::ReportDefinition TrptCustomers::definition()
{
    // Notes are free text of any length: they run onto further lines rather than being cut.
    return reports::listReport(title(),
                               {{QStringLiteral("Customer no."), kNo, 70, false, false, {}},
                                {QStringLiteral("Name"), kName, 170, false, false, {}},
                                {QStringLiteral("Phone"), kPhone, 84, false, false, {}},
                                {QStringLiteral("Notes"), kNotes, 0, false, true, {}}});
}

report::ListRowSource TrptCustomers::rows() const
{
    return reports::rowsOf(customers_, {kNo, kName, kPhone, kNotes},
                           [](report::Row& row, const CustomerListRow& customer) {
                               row.set(kNo, customer.customerNo);
                               row.set(kName, customer.customerName);
                               row.set(kPhone, customer.phone);
                               row.set(kNotes, customer.notes);
                           });
}

int TrptCustomers::print(report::PageSink& sink, const report::RunOptions& options) const
{
    report::ListRowSource source = rows();
    return reports::runReport(definition(), source, sink, options);
}

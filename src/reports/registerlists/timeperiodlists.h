#pragma once
// The lists of invoices and of payments dated in a time period, laid out by templates the user
// designs ("InvoiceListInTimePeriodByID.rtm" and the others in the database's directory). The
// template chooses the look; the program chooses the rows: the invoices (payments) dated from
// the first to the last day of the period, both included, in the order the menu entry names.

#include "reports/userdefinedreports.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <optional>

class Database;
class Dialogs;

namespace reports
{

enum class TimePeriodList {
    InvoicesById,   // by customer number, then date and invoice number
    InvoicesByName, // by customer name, then number, date and invoice number
    PaymentsByDate, // by date, then cheque number
    PaymentsById,   // by customer number, then date and cheque number
};

struct TimePeriod {
    QDate from;
    QDate to;
};

// The month before the one `today` falls in, first day to last: what the period is asked with.
TimePeriod previousMonth(const QDate& today);

// "InvoiceListInTimePeriodByID.rtm" and the others.
QString timePeriodTemplateName(TimePeriodList list);
QString timePeriodTemplatePath(const QString& directory, TimePeriodList list);

// The parameters a template can print: "DateFrom" and "DateTo" in the short date format.
QHash<QString, QString> timePeriodParameters(const TimePeriod& period);

// Finds, loads and binds the template to the period's rows. Nothing, after a message, when the
// file is missing (warning), the template is refused (error with the loader's text), or it
// prints rows other than invoices ("ARInv") or payments ("ARPmt") as the list needs (error).
std::optional<BoundReport> openTimePeriodList(TimePeriodList list, const TimePeriod& period,
                                              const QString& directory, Dialogs& dialogs,
                                              Database& db);

} // namespace reports

#include "reports/customerstanding.h"

#include "engine/database.h"
#include "engine/statement.h"

namespace reports
{

QHash<int, CustomerStanding> customerStandings(Database& db)
{
    QHash<int, CustomerStanding> all;
    Statement q = db.prepare(QStringLiteral("SELECT CustomerID, SUM(Owing) AS SumOwing,"
                                            " MIN(InvoiceDate) AS MinDate FROM ARInv"
                                            " WHERE Owing <> 0 GROUP BY CustomerID"));
    q.exec();
    while (q.next())
        all.insert(int(q.integer(QStringLiteral("CustomerID"))),
                   {q.money(QStringLiteral("SumOwing")), q.date(QStringLiteral("MinDate"))});
    return all;
}

bool asksForMinimums(const ReportSelection& selection)
{
    return selection.minOwing > Money() || selection.minDays > 0;
}

bool meetsMinimums(const ReportSelection& selection, const CustomerStanding& standing)
{
    if (selection.minOwing > Money() && standing.owing < selection.minOwing)
        return false;
    if (selection.minDays > 0 && standing.oldestInvoice.daysTo(selection.asOf) < selection.minDays)
        return false;
    return true;
}

} // namespace reports

#pragma once
// What each customer owes in all and since when: the sum of its open invoices and the date of
// the oldest one. The aged trial balance and the statements leave out a customer below the
// minimum owing or the minimum days old of the selection.
#include "common/money.h"
#include "reports/reportselection.h"

#include <QDate>
#include <QHash>

class Database;

namespace reports
{

struct CustomerStanding {
    Money owing;
    QDate oldestInvoice;
};

// Every customer with an open invoice, by CustomerID, read in one statement.
QHash<int, CustomerStanding> customerStandings(Database& db);

// True when the selection asks for a minimum owing or a minimum age at all.
bool asksForMinimums(const ReportSelection& selection);

// A total owing of exactly the minimum is enough; so is an age of exactly the minimum days,
// counted in whole days from the oldest open invoice to the as-of date.
bool meetsMinimums(const ReportSelection& selection, const CustomerStanding& standing);

} // namespace reports

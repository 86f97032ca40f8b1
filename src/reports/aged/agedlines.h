#pragma once
// The invoice lines the aged trial balance prints: every invoice still owing of a customer whose
// currency is on file, in the report's order, each aged into one of four columns as of a date,
// with its owing converted into the domestic currency. Customers below the minimum owing or
// minimum days are left out here, so the printed report and the csv file show the same lines.
#include "common/money.h"
#include "reports/reportselection.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class Database;

namespace reports
{

using AgedSelection = ReportSelection;

struct AgedLine {
    int customerId = 0;
    QString customerNo;
    QString customerName;
    QString customerNamePhone; // contact, two blanks, phone
    double exchangeRate = 0;
    QString invoiceNo;
    QDate invoiceDate;
    bool posted = false;
    QString description; // for a funder's invoice, the client's name
    int age = 0;         // days from the invoice date to the as-of date, negative after it
    int column = 0;      // 0 current, 1 over 30, 2 over 60, 3 over 90
    Money invoiceAmount;
    Money owing;
    Money owingDomestic;
};

// The age column for an age in days: the first of over 90, over 60, over 30 that holds, else
// current (30 days and less, and invoices dated after the as-of date).
int ageColumn(int age);

// The owing in the domestic currency: converted and rounded to cents when the rate is above
// zero, else the owing as it stands.
Money domesticAmount(Money owing, double exchangeRate);

std::vector<AgedLine> agedLines(Database& db, const AgedSelection& selection);

} // namespace reports

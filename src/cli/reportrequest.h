#pragma once
// What `tallywick report ...` was asked for: the report's name, the selection every report of
// the menu offers (as-of date, period, currency, customer, minimums) and where the pages go.
// One reader for all the reports, so each option means the same thing in every one of them.
#include "common/money.h"
#include "reports/reportselection.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Database;
struct CliContext;

namespace report
{
class PageSink;
}

struct ReportRequest {
    QString report; // aged, history, statements or labels
    QDate asOf;     // today unless --as-of
    std::optional<int> period;
    std::optional<int> year;
    std::optional<int> currencyId;
    QString customerNo;
    Money minOwing;
    int minDays = 0;
    QString pdf;
    QString printer;
    QString csv;

    // Filled in by resolveSelection from the database.
    std::optional<int> customerId;
    QString currencyName;
    QString customerName;
};

// Reads the options after the report's name; an explanation of the first wrong one, else empty.
QString readReportRequest(const QStringList& args, ReportRequest& request);

// Finds the chosen currency's name and the chosen customer; false after saying what is not on
// file.
bool resolveSelection(Database& db, ReportRequest& request, CliContext& context);

// The menu's selection (as-of date, currency, customer, minimums) the request asks for.
reports::ReportSelection reportSelection(const ReportRequest& request);

// Prints into a PDF file or onto the named printer, as the request says; returns the pages.
int printRequested(const ReportRequest& request, const QString& title,
                   const std::function<int(report::PageSink&)>& print);

// Where the pages went, for the closing line: the PDF's full path or the printer's name.
QString destinationText(const ReportRequest& request);

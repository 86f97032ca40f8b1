#pragma once
// The invoice lines the printed statements show: every invoice still owing of the customers
// that get a statement, in the statements' order (customer name, customer number, invoice date,
// invoice number, text without regard to case), each with what its customer's statement header
// and footer print. Customers below the minimum owing or minimum days are left out here.
#include "common/money.h"
#include "reports/reportselection.h"

#include <QDate>
#include <QString>
#include <vector>

class Database;

namespace reports
{

struct StatementLine {
    // The customer, repeated on each of its lines.
    int customerId = 0;
    QString customerNo;
    QString customerName;
    QString contactLine; // a funder's name, " %" and the contact; else the contact
    QString addressLine1;
    QString addressLine2P;
    QString addressLine3P;
    QString addressLine4P;
    QString currencyName;
    QString customerMessage;
    // The invoice.
    QString invoiceNo;
    QString description; // as printed: "Invoice" or "Credit Note" when the invoice has none
    QDate invoiceDate;
    QDate dueDate; // the invoice date and its net days
    Money invoiceAmount;
    Money owing;
};

// The description a statement prints: the invoice's own, or, when it is empty, "Invoice" for
// an amount of zero or more and "Credit Note" for a credit.
QString statementDescription(const QString& description, Money invoiceAmount);

// Without a customer in the selection, only customers marked to receive statements; with one,
// that customer whatever its mark. Two statements in all, however many customers.
std::vector<StatementLine> statementLines(Database& db, const ReportSelection& selection);

} // namespace reports

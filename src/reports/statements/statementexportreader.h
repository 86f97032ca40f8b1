#pragma once
// What the statement export reads: the customers of the chosen kind with a positive running
// balance in CBalance, in customer-number order, and the most recent open invoices of each.
// Two statements in all: the customers, then their open invoices in the same customer order,
// handed out customer by customer as the file is written.

#include "common/money.h"
#include "engine/statement.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

namespace statements
{

enum class CustomerKind { Clients = 0, Funders = 1, Both = 2 };

struct ExportCustomer {
    qint64 id = 0;
    QString customerNo;
    // The customer columns as the file writes them, Balance last.
    QStringList columns;
    Money balance;
};

struct ExportInvoice {
    QString invoiceNo;
    QString description;
    QDate invoiceDate;
    Money invoiceAmount;
    Money paidAmount;
    Money discTakenAmount;
    Money writeOffAmount;
    Money owing;
};

class StatementExportReader
{
public:
    // Reads the customers at once; the invoices follow as invoicesOf() asks for them. At most
    // `maxInvoices` per customer, the newest first.
    StatementExportReader(Database& db, CustomerKind kind, int maxInvoices);

    const QList<ExportCustomer>& customers() const { return customers_; }
    // The open invoices of the customer, newest first. Customers are asked for in the order of
    // customers().
    QList<ExportInvoice> invoicesOf(const ExportCustomer& customer);

private:
    bool advance();

    QList<ExportCustomer> customers_;
    std::optional<Statement> invoices_;
    std::optional<qint64> pendingCustomer_; // the customer of the invoice row read ahead
};

} // namespace statements

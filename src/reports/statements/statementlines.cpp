#include "reports/statements/statementlines.h"

#include "engine/database.h"
#include "engine/statement.h"
#include "reports/customeraddress.h"
#include "reports/customerstanding.h"
#include "reports/invoiceorder.h"

namespace reports
{

QString statementDescription(const QString& description, Money invoiceAmount)
{
    if (!description.isEmpty())
        return description;
    return invoiceAmount < Money() ? QStringLiteral("Credit Note") : QStringLiteral("Invoice");
}

std::vector<StatementLine> statementLines(Database& db, const ReportSelection& selection)
{
    // The currency is looked up for its name only: a customer whose currency has no row still
    // gets its statement.
    QString sql = QStringLiteral(
        "SELECT I.InvoiceNo, I.InvoiceDate, I.InvoiceAmount, I.Owing, I.CustomerID,"
        " I.Description, I.NetDays, I.CustomerType, C.CustomerNo, C.CustomerName, C.Contact,"
        " C.AddressLine1, C.AddressLine2, C.City, C.StateProv, C.ZipCode, C.Country,"
        " C.CustomerMessage, Cu.CurrencyName FROM ARInv I"
        " INNER JOIN Customer C ON I.CustomerID = C.CustomerID"
        " LEFT OUTER JOIN Currency Cu ON Cu.CurrencyID = C.CurrencyID WHERE I.Owing <> 0");
    if (selection.customerId)
        sql += QStringLiteral(" AND (I.CustomerID = :customer)");
    else
        sql += QStringLiteral(" AND (C.PrintStatement = true)");
    if (selection.currencyId)
        sql += QStringLiteral(" AND (C.CurrencyID = :currency)");
    sql += openInvoiceOrder(db.dialect());

    const bool selective = asksForMinimums(selection);
    const QHash<int, CustomerStanding> standing =
        selective ? customerStandings(db) : QHash<int, CustomerStanding>();

    Statement q = db.prepare(sql);
    if (selection.customerId)
        q.bind(QStringLiteral(":customer"), *selection.customerId);
    if (selection.currencyId)
        q.bind(QStringLiteral(":currency"), *selection.currencyId);
    q.exec();

    std::vector<StatementLine> lines;
    StatementLine customer; // the customer fields, worked out once per customer
    bool first = true;
    bool skipped = false;
    while (q.next()) {
        const int customerId = int(q.integer(QStringLiteral("CustomerID")));
        if (first || customerId != customer.customerId) {
            first = false;
            skipped = selective && !meetsMinimums(selection, standing.value(customerId));
            customer = StatementLine();
            customer.customerId = customerId;
            customer.customerNo = q.text(QStringLiteral("CustomerNo"));
            customer.customerName = q.text(QStringLiteral("CustomerName"));
            customer.contactLine =
                contactLine(q.text(QStringLiteral("CustomerType")), customer.customerName,
                            q.text(QStringLiteral("Contact")));
            customer.addressLine1 = q.text(QStringLiteral("AddressLine1"));
            const AddressLines2To4 below = addressLines2To4(
                q.text(QStringLiteral("AddressLine2")), q.text(QStringLiteral("City")),
                q.text(QStringLiteral("StateProv")), q.text(QStringLiteral("ZipCode")),
                q.text(QStringLiteral("Country")));
            customer.addressLine2P = below.line2;
            customer.addressLine3P = below.line3;
            customer.addressLine4P = below.line4;
            customer.currencyName = q.text(QStringLiteral("CurrencyName"));
            customer.customerMessage = q.text(QStringLiteral("CustomerMessage"));
        }
        if (skipped)
            continue;
        StatementLine line = customer;
        line.invoiceNo = q.text(QStringLiteral("InvoiceNo"));
        line.invoiceAmount = q.money(QStringLiteral("InvoiceAmount"));
        line.owing = q.money(QStringLiteral("Owing"));
        line.description =
            statementDescription(q.text(QStringLiteral("Description")), line.invoiceAmount);
        line.invoiceDate = q.date(QStringLiteral("InvoiceDate"));
        line.dueDate = line.invoiceDate.addDays(q.integer(QStringLiteral("NetDays")));
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace reports

#include "reports/statements/statementexportreader.h"

#include "engine/database.h"

namespace statements
{

namespace
{

// The customers' order, the same in both statements so that the invoices follow their
// customers; a customer without a number comes first on both engines.
const QString kCustomerOrder =
    QStringLiteral("CASE WHEN C.CustomerNo IS NULL THEN 0 ELSE 1 END, C.CustomerNo, C.CustomerID");

const QString kCustomerColumns = QStringLiteral(
    "C.CustomerID, C.CustomerNo, C.CustomerName, C.AddressLine1, C.AddressLine2, C.City, "
    "C.StateProv, C.ZipCode, C.Country, C.Contact, C.Phone, C.Fax, C.EMail, C.ShipToName, "
    "C.ShipToAddressLine1, C.ShipToAddressLine2, C.ShipToCity, C.ShipToStateProv, "
    "C.ShipToZipCode, C.ShipToCountry, C.CustomerType, B.Balance");
constexpr int kTextColumns = 21; // every column before the balance

// Joined to Customer C: its balance, when positive, and the customer of the chosen kind.
QString owingCustomers(CustomerKind kind)
{
    QString sql =
        QStringLiteral("JOIN CBalance B ON C.CustomerID = B.CustomerID WHERE B.Balance > 0");
    if (kind != CustomerKind::Both)
        sql += QStringLiteral(" AND C.CustomerType = :kind");
    return sql;
}

QString kindLetter(CustomerKind kind)
{
    return kind == CustomerKind::Clients ? QStringLiteral("C") : QStringLiteral("F");
}

} // namespace

StatementExportReader::StatementExportReader(Database& db, CustomerKind kind, int maxInvoices)
{
    // Done with, prepared statement and all, before the invoices are read: PostgreSQL hands
    // rows out as they come and drops them when another statement is sent meanwhile.
    {
        Statement customers = db.query(QStringLiteral("SELECT ") + kCustomerColumns +
                                       QStringLiteral(" FROM Customer C ") + owingCustomers(kind) +
                                       QStringLiteral(" ORDER BY ") + kCustomerOrder);
        if (kind != CustomerKind::Both)
            customers.bind(QStringLiteral(":kind"), kindLetter(kind));
        customers.exec();
        while (customers.next()) {
            ExportCustomer c;
            c.id = customers.integer(0);
            c.customerNo = customers.text(1);
            for (int i = 0; i < kTextColumns; ++i)
                c.columns << customers.text(i);
            c.balance = customers.money(QStringLiteral("Balance"));
            customers_ << c;
        }
    }

    // Each customer's open invoices numbered from the newest (a later key first among invoices
    // of one date, an undated one last), and only the first `maxInvoices` read.
    invoices_.emplace(db.query(
        QStringLiteral("SELECT I.CustomerID, I.InvoiceNo, I.Description, I.InvoiceDate, "
                       "I.InvoiceAmount, I.PaidAmount, I.DiscTakenAmount, I.WriteOffAmount, "
                       "I.Owing FROM (SELECT A.*, ROW_NUMBER() OVER (PARTITION BY A.CustomerID "
                       "ORDER BY CASE WHEN A.InvoiceDate IS NULL THEN 1 ELSE 0 END, "
                       "A.InvoiceDate DESC, A.ARInvoiceID DESC) AS Recency FROM ARInv A "
                       "WHERE A.Owing > 0) I JOIN Customer C ON C.CustomerID = I.CustomerID ") +
        owingCustomers(kind) + QStringLiteral(" AND I.Recency <= :max ORDER BY ") + kCustomerOrder +
        QStringLiteral(", I.Recency")));
    if (kind != CustomerKind::Both)
        invoices_->bind(QStringLiteral(":kind"), kindLetter(kind));
    invoices_->bind(QStringLiteral(":max"), maxInvoices);
    invoices_->exec();
    advance();
}

bool StatementExportReader::advance()
{
    if (invoices_->next()) {
        pendingCustomer_ = invoices_->integer(0);
        return true;
    }
    pendingCustomer_.reset();
    return false;
}

QList<ExportInvoice> StatementExportReader::invoicesOf(const ExportCustomer& customer)
{
    QList<ExportInvoice> found;
    while (pendingCustomer_ == customer.id) {
        const Statement& s = *invoices_;
        found << ExportInvoice{s.text(1),
                               s.text(2),
                               s.date(QStringLiteral("InvoiceDate")),
                               s.money(QStringLiteral("InvoiceAmount")),
                               s.money(QStringLiteral("PaidAmount")),
                               s.money(QStringLiteral("DiscTakenAmount")),
                               s.money(QStringLiteral("WriteOffAmount")),
                               s.money(QStringLiteral("Owing"))};
        advance();
    }
    return found;
}

} // namespace statements

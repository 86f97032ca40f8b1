#include "reports/aged/agedlines.h"

#include "common/roundit.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "reports/customerstanding.h"
#include "reports/invoiceorder.h"

#include <QHash>

namespace reports
{

int ageColumn(int age)
{
    if (age > 90)
        return 3;
    if (age > 60)
        return 2;
    if (age > 30)
        return 1;
    return 0;
}

Money domesticAmount(Money owing, double exchangeRate)
{
    if (exchangeRate <= 0)
        return owing;
    // Cents of the converted amount, rounded once as every conversion of the ledger is.
    const long double cents =
        RoundIt(static_cast<long double>(owing.raw()) * exchangeRate / Money::kPerCent);
    return Money::fromCents(static_cast<qint64>(cents));
}

namespace
{

// The names of the clients that funders' open invoices are for, by customer number. Read before
// the invoices: a second statement on the connection while the invoices are being read would
// cut their reading short on PostgreSQL.
QHash<QString, QString> clientNames(Database& db)
{
    QHash<QString, QString> names;
    Statement q = db.prepare(
        QStringLiteral("SELECT CustomerNo, CustomerName FROM Customer WHERE CustomerNo IN"
                       " (SELECT Recip_ID FROM ARInv WHERE Owing <> 0 AND CustomerType = 'F')"));
    q.exec();
    while (q.next())
        names.insert(q.text(0), q.text(1));
    return names;
}

} // namespace

std::vector<AgedLine> agedLines(Database& db, const AgedSelection& selection)
{
    QString sql = QStringLiteral(
        "SELECT I.InvoiceNo, I.InvoiceDate, I.InvoiceAmount, I.Owing, I.CustomerID, I.Posted,"
        " I.Description, I.Recip_ID, I.CustomerType, C.CustomerNo, C.CustomerName, C.Contact,"
        " C.CurrencyID, C.Phone, Cu.ExchangeRate FROM ARInv I"
        " INNER JOIN Customer C ON I.CustomerID = C.CustomerID"
        " INNER JOIN Currency Cu ON C.CurrencyID = Cu.CurrencyID WHERE I.Owing <> 0");
    if (selection.currencyId)
        sql += QStringLiteral(" AND (C.CurrencyID = :currency)");
    if (selection.customerId)
        sql += QStringLiteral(" AND (I.CustomerID = :customer)");
    sql += openInvoiceOrder(db.dialect());

    const bool selective = asksForMinimums(selection);
    const QHash<int, CustomerStanding> standing =
        selective ? customerStandings(db) : QHash<int, CustomerStanding>();
    const QHash<QString, QString> names = clientNames(db);

    Statement q = db.prepare(sql);
    if (selection.currencyId)
        q.bind(QStringLiteral(":currency"), *selection.currencyId);
    if (selection.customerId)
        q.bind(QStringLiteral(":customer"), *selection.customerId);
    q.exec();

    std::vector<AgedLine> lines;
    while (q.next()) {
        AgedLine line;
        line.customerId = int(q.integer(QStringLiteral("CustomerID")));
        if (selective && !meetsMinimums(selection, standing.value(line.customerId)))
            continue;
        line.customerNo = q.text(QStringLiteral("CustomerNo"));
        line.customerName = q.text(QStringLiteral("CustomerName"));
        line.customerNamePhone = q.text(QStringLiteral("Contact")) + QStringLiteral("  ") +
                                 q.text(QStringLiteral("Phone"));
        line.exchangeRate = q.real(QStringLiteral("ExchangeRate"));
        line.invoiceNo = q.text(QStringLiteral("InvoiceNo"));
        line.invoiceDate = q.date(QStringLiteral("InvoiceDate"));
        line.posted = q.value(QStringLiteral("Posted")).toBool();
        line.description = q.text(QStringLiteral("Description"));
        const QString recipient = q.text(QStringLiteral("Recip_ID"));
        if (q.text(QStringLiteral("CustomerType")) == QLatin1String("F") && !recipient.isEmpty())
            line.description = names.value(recipient);
        line.age = int(line.invoiceDate.daysTo(selection.asOf));
        line.column = ageColumn(line.age);
        line.invoiceAmount = q.money(QStringLiteral("InvoiceAmount"));
        line.owing = q.money(QStringLiteral("Owing"));
        line.owingDomestic = domesticAmount(line.owing, line.exchangeRate);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace reports

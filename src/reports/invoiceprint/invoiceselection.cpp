#include "reports/invoiceprint/invoiceselection.h"

#include "engine/database.h"

namespace
{

const QStringList kOrderLines = {QStringLiteral(" Order by I.InvoiceNo "),
                                 QStringLiteral(" Order by C.CustomerNo, I.InvoiceNo "),
                                 QStringLiteral(" Order by C.CustomerName NoCase ")};

const QLatin1String kOrderBy("order by");
const QLatin1String kNoCase(" nocase");

// Lines 4 to 7: the invoices, their customers and recipients, and the choice of invoices.
QString fromAndSelection(const QStringList& lines)
{
    return lines.mid(4, 4).join(QLatin1Char('\n'));
}

} // namespace

const QString InvoiceSelection::kDefaultSelection = QStringLiteral("WHERE I.Printed = false");

InvoiceSelection::InvoiceSelection()
    : lines_{QStringLiteral("SELECT I.*,"),
             QStringLiteral("C.CustomerNo, C.CustomerName, C.Contact, C.AddressLine1, "
                            "C.AddressLine2, C.City, C.StateProv, C.ZipCode, C.Country, "
                            "C.CurrencyID, C.CustomerMessage,"),
             QStringLiteral("Recip.ShipToName, Recip.ShipToAddressLine1, "
                            "Recip.ShipToAddressLine2, Recip.ShipToCity, Recip.ShipToStateProv, "
                            "Recip.ShipToZipCode, Recip.ShipToCountry,"),
             QStringLiteral("C.TaxNo, C.CustomerType"),
             QStringLiteral("FROM ARInv I "),
             QStringLiteral("INNER JOIN Customer C ON I.CustomerID = C.CustomerID"),
             QStringLiteral("left outer join Customer Recip on I.Recip_ID = Recip.CustomerNo"),
             kDefaultSelection,
             QStringLiteral("ORDER BY I.InvoiceNo")}
{
}

void InvoiceSelection::selectOneInvoice(qint64 arInvoiceId)
{
    replaceSelectionLine(QStringLiteral("WHERE I.ARInvoiceID = ") + QString::number(arInvoiceId));
}

void InvoiceSelection::setSortOrder(int index)
{
    lines_[kOrderLine] = kOrderLines.value(index, kOrderLines.first());
}

QString InvoiceSelection::orderSql(const Dialect& dialect) const
{
    QString order = lines_[kOrderLine].trimmed();
    if (!order.startsWith(kOrderBy, Qt::CaseInsensitive))
        return {};
    QStringList terms;
    for (QString term : order.mid(kOrderBy.size()).split(QLatin1Char(','))) {
        term = term.trimmed();
        if (term.endsWith(kNoCase, Qt::CaseInsensitive))
            term = dialect.nocaseOrder(term.chopped(kNoCase.size()).trimmed());
        terms << term;
    }
    return QStringLiteral("ORDER BY ") + terms.join(QStringLiteral(", "));
}

QString InvoiceSelection::keysSql(const Dialect& dialect) const
{
    const QString order = orderSql(dialect);
    return QStringLiteral("SELECT I.ARInvoiceID\n") + fromAndSelection(lines_) + QLatin1Char('\n') +
           (order.isEmpty() ? QStringLiteral("ORDER BY I.ARInvoiceID")
                            : order + QStringLiteral(", I.ARInvoiceID"));
}

int InvoiceSelection::count(Database& db) const
{
    Statement s = db.query(QStringLiteral("SELECT COUNT(*)\n") + fromAndSelection(lines_));
    s.exec();
    return s.next() ? int(s.integer(0)) : 0;
}

QString invoicesToBePrintedText(int batchSize)
{
    return QString::number(batchSize) + QStringLiteral(" invoice(s) to be printed");
}

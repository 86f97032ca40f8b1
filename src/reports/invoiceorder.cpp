#include "reports/invoiceorder.h"

#include "engine/dialect.h"

namespace reports
{

QString openInvoiceOrder(const Dialect& d)
{
    // A missing name or number sorts first (engines disagree where NULL goes). The customer's
    // key follows its name and number, so two customers of one name and number never
    // interleave; the invoice's key comes last, so invoices of one number and date keep one
    // order.
    return QStringLiteral(" ORDER BY %1, %2, I.CustomerID, I.InvoiceDate, %3, I.ARInvoiceID")
        .arg(d.nocaseOrder(QStringLiteral("COALESCE(C.CustomerName, '')")),
             d.nocaseOrder(QStringLiteral("COALESCE(C.CustomerNo, '')")),
             d.nocaseOrder(QStringLiteral("COALESCE(I.InvoiceNo, '')")));
}

} // namespace reports

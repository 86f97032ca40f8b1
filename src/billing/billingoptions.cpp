#include "billing/billingoptions.h"

#include "engine/database.h"

namespace billing
{

BillingOptions billingOptions(Database& db)
{
    Statement s = db.query(QStringLiteral("SELECT ClientInvoiceLineItems, FunderInvoiceLineItems, "
                                          "FunderInvoicingMethod FROM Company"));
    s.exec();
    BillingOptions options;
    if (s.next()) {
        options.clientLinesPerDate = s.text(0).trimmed() == QLatin1String("D");
        options.funderLinesPerDate = s.text(1).trimmed() == QLatin1String("D");
        options.funderInvoicingMethod = s.text(2).trimmed();
    }
    return options;
}

} // namespace billing

#include "masterdata/company/companychoices.h"

namespace companychoices
{

QList<CompanyChoice> clientLineItems()
{
    return {{QStringLiteral("S"), QStringLiteral("Summarized by item")},
            {QStringLiteral("D"), QStringLiteral("Detailed by delivery date")}};
}

QList<CompanyChoice> invoiceFormats()
{
    return {{QStringLiteral("S"), QStringLiteral("Separate Invoice and Statement")},
            {QStringLiteral("I"), QStringLiteral("Integrated Invoice and Statement")}};
}

QList<CompanyChoice> funderInvoicingMethods()
{
    return {{QStringLiteral("O"), QStringLiteral("One Invoice covering all clients")},
            {QStringLiteral("S"), QStringLiteral("Separate Invoice for each client")}};
}

QList<CompanyChoice> funderLineItems()
{
    return {{QStringLiteral("S"), QStringLiteral("Summarized by Client and Item")},
            {QStringLiteral("D"), QStringLiteral("Detailed by Client, Date and Item")}};
}

} // namespace companychoices

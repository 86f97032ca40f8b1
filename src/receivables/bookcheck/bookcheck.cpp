#include "receivables/bookcheck/bookcheck.h"

#include "receivables/bookcheck/controlcountercheck.h"
#include "receivables/bookcheck/customerbalancecheck.h"
#include "receivables/bookcheck/documentkeycheck.h"
#include "receivables/bookcheck/invoiceamountcheck.h"

namespace
{

// The checks that need no amounts in their texts.
template <BookDiscrepancies (*check)(Database&)>
BookDiscrepancies withoutAmounts(Database& db, const FormatSettings&)
{
    return check(db);
}

} // namespace

const QList<BookCheck>& bookChecks()
{
    static const QList<BookCheck> checks{
        {QStringLiteral("Duplicate keys"), withoutAmounts<checkDuplicateKeys>},
        {QStringLiteral("Invoice numbers"), withoutAmounts<checkDuplicateInvoiceNumbers>},
        {QStringLiteral("Invoice lines"), withoutAmounts<checkOrphanLines>},
        {QStringLiteral("Invoice amounts"), checkInvoiceAmounts},
        {QStringLiteral("Customer balances"), checkCustomerBalances},
        {QStringLiteral("Control counters"), withoutAmounts<checkControlCounters>},
    };
    return checks;
}

BookDiscrepancies checkBooks(Database& db, const FormatSettings& settings)
{
    BookDiscrepancies found;
    for (const BookCheck& check : bookChecks())
        found += check.run(db, settings);
    return found;
}

#include "receivables/bookcheck/bookcheck.h"

#include "engine/database.h"
#include "engine/dialect.h"
#include "engine/transaction.h"
#include "receivables/bookcheck/controlcountercheck.h"
#include "receivables/bookcheck/customerbalancecheck.h"
#include "receivables/bookcheck/documentkeycheck.h"
#include "receivables/bookcheck/invoiceamountcheck.h"
#include "receivables/bookcheck/paymentapplicationcheck.h"

#include <algorithm>

namespace
{

// The checks that need no amounts in their texts.
template <BookDiscrepancies (*check)(Database&)>
BookDiscrepancies withoutAmounts(Database& db, const FormatSettings&)
{
    return check(db);
}

QStringList tablesRead(const QList<BookCheck>& checks)
{
    QStringList tables;
    for (const BookCheck& check : checks) {
        for (const QString& table : check.tables) {
            if (!tables.contains(table))
                tables << table;
        }
    }
    return tables;
}

QStringList missingTables(Database& db, const QStringList& tables)
{
    QStringList missing;
    for (const QString& table : tables) {
        if (!db.dialect().tableExists(db, table))
            missing << table;
    }
    return missing;
}

} // namespace

const QList<BookCheck>& bookChecks()
{
    static const QList<BookCheck> checks{
        {QStringLiteral("Duplicate keys"),
         {QStringLiteral("Customer"), QStringLiteral("CBalance"), QStringLiteral("Item"),
          QStringLiteral("ARInv"), QStringLiteral("ARInvDet"), QStringLiteral("ARPmt"),
          QStringLiteral("ARInvPmt")},
         withoutAmounts<checkDuplicateKeys>},
        {QStringLiteral("Invoice numbers"),
         {QStringLiteral("ARInv")},
         withoutAmounts<checkDuplicateInvoiceNumbers>},
        {QStringLiteral("Invoice lines"),
         {QStringLiteral("ARInv"), QStringLiteral("ARInvDet")},
         withoutAmounts<checkOrphanLines>},
        {QStringLiteral("Invoice amounts"),
         {QStringLiteral("ARInv"), QStringLiteral("ARInvDet")},
         checkInvoiceAmounts},
        {QStringLiteral("Customer balances"),
         {QStringLiteral("CBalance"), QStringLiteral("ARInv"), QStringLiteral("Customer")},
         checkCustomerBalances},
        {QStringLiteral("Control counters"),
         {QStringLiteral("ARInvCtl"), QStringLiteral("ARInv"), QStringLiteral("CustCtl"),
          QStringLiteral("Customer"), QStringLiteral("ItemCtl"), QStringLiteral("Item"),
          QStringLiteral("ARPmtCtl"), QStringLiteral("ARPmt")},
         withoutAmounts<checkControlCounters>},
        {QStringLiteral("Payments applied"),
         {QStringLiteral("ARInv"), QStringLiteral("ARInvPmt"), QStringLiteral("ARPmt"),
          QStringLiteral("ARInvDet"), QStringLiteral("Item")},
         checkPaymentApplications},
    };
    return checks;
}

QStringList bookTables()
{
    return tablesRead(bookChecks());
}

QStringList missingBookTables(Database& db)
{
    return missingTables(db, bookTables());
}

BookDiscrepancies checkBooks(Database& db, const FormatSettings& settings)
{
    return checkBooks(db, settings, bookChecks());
}

BookDiscrepancies checkBooks(Database& db, const FormatSettings& settings,
                             const QList<BookCheck>& checks)
{
    Transaction reads(db, Transaction::Mode::Read);
    // Only where this transaction is the outermost one; a joined one may have read already.
    const QString sameState = db.dialect().sameStateForReads();
    if (db.transactionDepth() == 1 && !sameState.isEmpty())
        db.exec(sameState);
    const QStringList missing = missingTables(db, tablesRead(checks));
    BookDiscrepancies found;
    for (const QString& table : missing)
        found << BookDiscrepancy{BookDiscrepancy::Kind::MissingTable,
                                 QStringLiteral("Table %1 is missing").arg(table)};
    for (const BookCheck& check : checks) {
        const bool readable = std::none_of(check.tables.begin(), check.tables.end(),
                                           [&](const QString& t) { return missing.contains(t); });
        if (readable)
            found += check.run(db, settings);
    }
    reads.commit();
    return found;
}

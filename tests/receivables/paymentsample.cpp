#include "paymentsample.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "invoicefixture.h"
#include "registersample.h"

namespace paymentsample
{

void addCheque(Database& db, const Cheque& c)
{
    records::insert(
        db, ar::arPmt(),
        {{QStringLiteral("PaymentID"), c.id},
         {QStringLiteral("ChequeNo"), c.no},
         {QStringLiteral("CustomerID"), c.customer},
         {QStringLiteral("GLYear"), 2025},
         {QStringLiteral("GLPeriod"), 3},
         {QStringLiteral("PaymentDate"), c.date},
         {QStringLiteral("ChequeAmount"), QVariant::fromValue(Money::fromCents(c.amountCents))},
         {QStringLiteral("Posted"), c.posted},
         {QStringLiteral("Reconciled"), c.reconciled}});
}

void addAllocation(Database& db, const Allocation& a)
{
    records::insert(
        db, ar::arInvPmt(),
        {{QStringLiteral("ARInvoiceID"), a.invoice},
         {QStringLiteral("PaymentID"), a.payment},
         {QStringLiteral("Seq"), a.seq},
         {QStringLiteral("PaymentAmount"), QVariant::fromValue(Money::fromCents(a.paidCents))},
         {QStringLiteral("DiscTakenAmount"),
          QVariant::fromValue(Money::fromCents(a.discountCents))},
         {QStringLiteral("WriteOffAmount"),
          QVariant::fromValue(Money::fromCents(a.writeOffCents))}});
}

std::unique_ptr<Database> sampleLedger(const QString& engine)
{
    using namespace invoicefixture;
    using registersample::kMarch1;
    using registersample::kMarch2;
    auto db = registersample::ledger(engine);
    registersample::addSample(*db);
    db->exec(QStringLiteral("UPDATE Customer SET CurrencyID = 2 WHERE CustomerID = 1"));
    addCheque(*db, {1, QStringLiteral("501"), kAmes, kMarch1, 5000, true, true});
    addCheque(*db, {2, QStringLiteral("502"), kAmes, kMarch2, 2000});
    addCheque(*db, {3, QStringLiteral("100"), kCounty, kMarch1, 700});
    addCheque(*db, {4, QStringLiteral("503"), 99, kMarch2, 100});
    addCheque(*db, {5, QStringLiteral("502"), kCounty, kMarch1, 3000, true});
    addAllocation(*db, {1, 1, 1, 5000});
    addAllocation(*db, {2, 4, 1, 1500, 500});
    addAllocation(*db, {2, 5, 2, 500});
    addAllocation(*db, {3, 5, 1, 200, 0, 50});
    return db;
}

} // namespace paymentsample

#include "samplepayments.h"

#include "common/money.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"

#include <QDate>

void addSamplePayments(Database& db, qint64 postedInvoiceId)
{
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), 9001},
                     {QStringLiteral("CustomerNo"), QStringLiteral("AAA")},
                     {QStringLiteral("CustomerName"), QStringLiteral("Area Agency on Aging")},
                     {QStringLiteral("CustomerType"), QStringLiteral("F")},
                     {QStringLiteral("Phone"), QStringLiteral("937-555-0142")},
                     {QStringLiteral("EMail"), QStringLiteral("billing@aaa.example.org")},
                     {QStringLiteral("NetDays"), 30}});
    const struct {
        int id;
        const char* chequeNo;
        int customer;
        QDate date;
        qint64 cents;
        bool posted;
        bool reconciled;
    } cheques[] = {
        {9001, "10452", 1, QDate(2026, 11, 4), 68250, true, true},
        {9002, "2231", 9001, QDate(2026, 11, 9), 415000, true, false},
        {9003, "10488", 1, QDate(2026, 11, 18), 12500, false, false},
        {9004, "2240", 9001, QDate(2026, 11, 23), 287575, false, false},
        {9005, "771", 1, QDate(2026, 11, 23), 5000, false, true},
    };
    for (const auto& c : cheques)
        records::insert(
            db, ar::arPmt(),
            {{QStringLiteral("PaymentID"), c.id},
             {QStringLiteral("ChequeNo"), QLatin1String(c.chequeNo)},
             {QStringLiteral("CustomerID"), c.customer},
             {QStringLiteral("GLYear"), 2026},
             {QStringLiteral("GLPeriod"), 11},
             {QStringLiteral("PaymentDate"), c.date},
             {QStringLiteral("ChequeAmount"), QVariant::fromValue(Money::fromCents(c.cents))},
             {QStringLiteral("Posted"), c.posted},
             {QStringLiteral("Reconciled"), c.reconciled}});
    records::insert(
        db, ar::arInvPmt(),
        {{QStringLiteral("ARInvoiceID"), postedInvoiceId},
         {QStringLiteral("PaymentID"), 9003},
         {QStringLiteral("Seq"), 1},
         {QStringLiteral("PaymentAmount"), QVariant::fromValue(Money::fromCents(12500))},
         {QStringLiteral("DiscTakenAmount"), QVariant::fromValue(Money())},
         {QStringLiteral("WriteOffAmount"), QVariant::fromValue(Money())}});
}

#include "bookledger.h"

#include "common/money.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"

namespace bookledger
{

namespace
{

QVariant cents(qint64 c)
{
    return QVariant::fromValue(Money::fromCents(c));
}

void invoice(Database& db, qint64 id, const QString& no, qint64 customerId, bool posted,
             qint64 amountCents, qint64 paidCents)
{
    records::insert(db, ar::arInv(),
                    {{QStringLiteral("ARInvoiceID"), id},
                     {QStringLiteral("InvoiceNo"), no},
                     {QStringLiteral("CustomerID"), customerId},
                     {QStringLiteral("Posted"), posted},
                     {QStringLiteral("Printed"), false},
                     {QStringLiteral("Tax1Code"), QStringLiteral("G")},
                     {QStringLiteral("Tax1Rate"), 5.0},
                     {QStringLiteral("Tax2Code"), QStringLiteral("P")},
                     {QStringLiteral("Tax2Rate"), 7.0},
                     {QStringLiteral("InvoiceAmount"), cents(amountCents)},
                     {QStringLiteral("PaidAmount"), cents(paidCents)},
                     {QStringLiteral("DiscTakenAmount"), cents(0)},
                     {QStringLiteral("WriteOffAmount"), cents(0)},
                     {QStringLiteral("Owing"), cents(amountCents - paidCents)}});
}

void line(Database& db, qint64 invoiceId, int seq, double quantity, qint64 priceRaw,
          const QString& codes)
{
    records::insert(db, ar::arInvDet(),
                    {{QStringLiteral("ARInvoiceID"), invoiceId},
                     {QStringLiteral("Seq"), seq},
                     {QStringLiteral("Quantity"), quantity},
                     {QStringLiteral("ItemID"), 1},
                     {QStringLiteral("UnitPrice"), QVariant::fromValue(Money::fromRaw(priceRaw))},
                     {QStringLiteral("TaxCodes"), codes}});
}

} // namespace

void create(Database& db)
{
    for (const TableDef& t :
         {ar::customer(), ar::cBalance(), ar::custCtl(), ar::item(), ar::itemCtl(), ar::arInv(),
          ar::arInvDet(), ar::arInvCtl(), ar::arPmt(), ar::arInvPmt(), ar::arPmtCtl()})
        schema::createTable(db, t);

    const QStringList numbers{QStringLiteral("1002"), QStringLiteral("1003"),
                              QStringLiteral("1004")};
    for (int i = 0; i < numbers.size(); ++i)
        records::insert(
            db, ar::customer(),
            {{QStringLiteral("CustomerID"), i + 1},
             {QStringLiteral("CustomerNo"), numbers[i]},
             {QStringLiteral("CustomerName"), QStringLiteral("Customer ") + numbers[i]}});
    for (int id = 1; id <= 3; ++id)
        records::insert(db, ar::item(),
                        {{QStringLiteral("ItemID"), id},
                         {QStringLiteral("ItemNo"), QString::number(100 + id)}});
    records::insert(db, ar::cBalance(),
                    {{QStringLiteral("CustomerID"), 1}, {QStringLiteral("Balance"), cents(2031)}});
    records::insert(db, ar::cBalance(),
                    {{QStringLiteral("CustomerID"), 3}, {QStringLiteral("Balance"), cents(0)}});

    invoice(db, 1, QStringLiteral("10001"), 1, true, 2631, 1000);
    line(db, 1, 1, 3, 12350, QStringLiteral("G"));
    line(db, 1, 2, 2, 100000, QStringLiteral("GP"));
    line(db, 1, 3, 1, 50, QString());
    invoice(db, 2, QStringLiteral("10002"), 1, true, 400, 0);
    line(db, 2, 1, 1, 40000, QString());
    invoice(db, 3, QStringLiteral("10003"), 2, false, 788, 0);
    line(db, 3, 1, 2.5, 30000, QStringLiteral("G"));

    db.exec(
        QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceID, NextInvoiceNo) VALUES (4, 10004)"));
    db.exec(QStringLiteral("INSERT INTO CustCtl (NextCustomerID) VALUES (4)"));
    db.exec(QStringLiteral("INSERT INTO ItemCtl (NextItemID) VALUES (4)"));
    db.exec(QStringLiteral("INSERT INTO ARPmt (PaymentID, ChequeNo, CustomerID, ChequeAmount, "
                           "Posted) VALUES (1, '501', 1, 100000, true), (2, '502', 1, 40000, "
                           "false)"));
    db.exec(QStringLiteral("INSERT INTO ARInvPmt (ARInvoiceID, PaymentID, Seq, PaymentAmount, "
                           "DiscTakenAmount) VALUES (1, 1, 1, 100000, NULL), (2, 2, 1, 40000, "
                           "1000)"));
    db.exec(QStringLiteral("INSERT INTO ARPmtCtl (NextPaymentID) VALUES (3)"));
}

} // namespace bookledger

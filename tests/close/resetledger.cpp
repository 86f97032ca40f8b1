#include "resetledger.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

#include <QTest>

namespace resetledger
{

namespace
{

QVariant cents(qint64 c)
{
    return QVariant::fromValue(Money::fromCents(c));
}

struct Line {
    qint64 itemId;
    qint64 priceCents;
};

void invoice(Database& db, qint64 id, qint64 customerId, const QString& type, bool posted,
             const QList<Line>& lines, qint64 paidCents, qint64 writeOffCents)
{
    qint64 amount = 0;
    for (int seq = 0; seq < lines.size(); ++seq) {
        records::insert(db, ar::arInvDet(),
                        {{QStringLiteral("ARInvoiceID"), id},
                         {QStringLiteral("Seq"), seq + 1},
                         {QStringLiteral("Quantity"), 1.0},
                         {QStringLiteral("ItemID"), lines[seq].itemId},
                         {QStringLiteral("UnitPrice"), cents(lines[seq].priceCents)}});
        amount += lines[seq].priceCents;
    }
    records::insert(db, ar::arInv(),
                    {{QStringLiteral("ARInvoiceID"), id},
                     {QStringLiteral("InvoiceNo"), QString::number(20000 + id)},
                     {QStringLiteral("CustomerID"), customerId},
                     {QStringLiteral("CustomerType"), type},
                     {QStringLiteral("Posted"), posted},
                     {QStringLiteral("Printed"), true},
                     {QStringLiteral("InvoiceAmount"), cents(amount)},
                     {QStringLiteral("PaidAmount"), cents(paidCents)},
                     {QStringLiteral("DiscTakenAmount"), cents(0)},
                     {QStringLiteral("WriteOffAmount"), cents(writeOffCents)},
                     {QStringLiteral("Owing"), cents(amount - paidCents - writeOffCents)}});
}

QList<qint64> inUnits(Database& db, const QString& sql)
{
    QList<qint64> values = testdb::integers(db, sql);
    for (qint64& v : values)
        v /= Money::kScale;
    return values;
}

} // namespace

void create(Database& db)
{
    for (const TableDef& t : {ar::customer(), ar::cBalance(), ar::custCtl(), ar::item(),
                              ar::itemCtl(), ar::arInv(), ar::arInvDet(), ar::arInvCtl(),
                              ar::arPmt(), ar::arInvPmt(), ar::arPmtCtl(), ar::currency()})
        schema::createTable(db, t);

    const struct {
        const char* no;
        const char* type;
        qint64 balanceCents;
    } customers[] = {
        {"1001", "C", 11000}, {"1002", "C", 2500}, {"2001", "F", 4000}, {"1004", "C", 0}};
    for (int i = 0; i < 4; ++i) {
        records::insert(db, ar::customer(),
                        {{QStringLiteral("CustomerID"), i + 1},
                         {QStringLiteral("CustomerNo"), QLatin1String(customers[i].no)},
                         {QStringLiteral("CustomerName"),
                          QStringLiteral("Customer ") + QLatin1String(customers[i].no)},
                         {QStringLiteral("CustomerType"), QLatin1String(customers[i].type)}});
        records::insert(db, ar::cBalance(),
                        {{QStringLiteral("CustomerID"), i + 1},
                         {QStringLiteral("Balance"), cents(customers[i].balanceCents)}});
    }
    const char* items[] = {"101", "P101", "p5"};
    for (int id = 1; id <= 3; ++id)
        records::insert(db, ar::item(),
                        {{QStringLiteral("ItemID"), id},
                         {QStringLiteral("ItemNo"), QLatin1String(items[id - 1])}});

    const QString client = QStringLiteral("C");
    invoice(db, 1, 1, client, true, {{1, 3000}, {2, 5000}}, 5000, 0);
    invoice(db, 2, 1, client, true, {{1, 3000}, {2, 5000}}, 0, 0);
    invoice(db, 3, 2, client, true, {{1, 2000}, {2, 1000}}, 1000, 500);
    invoice(db, 4, 3, QStringLiteral("F"), true, {{1, 4000}}, 0, 0);
    invoice(db, 5, 1, client, false, {{1, 1000}, {2, 500}}, 0, 0);
    invoice(db, 6, 2, client, true, {{1, 300}, {3, 700}}, 0, 0);

    db.exec(QStringLiteral("INSERT INTO ARPmt (PaymentID, ChequeNo, CustomerID, ChequeAmount, "
                           "Posted) VALUES (1, '601', 1, 500000, true), (2, '602', 2, 100000, "
                           "true), (3, '603', 1, 100000, false)"));
    db.exec(QStringLiteral("INSERT INTO ARInvPmt (ARInvoiceID, PaymentID, Seq, PaymentAmount, "
                           "DiscTakenAmount, WriteOffAmount) VALUES (1, 1, 1, 500000, 0, 0), "
                           "(3, 2, 1, 100000, 0, 50000), (2, 3, 1, 100000, 0, 0)"));
    db.exec(
        QStringLiteral("INSERT INTO ARInvCtl (NextInvoiceID, NextInvoiceNo) VALUES (7, 20007)"));
    db.exec(QStringLiteral("INSERT INTO CustCtl (NextCustomerID) VALUES (5)"));
    db.exec(QStringLiteral("INSERT INTO ItemCtl (NextItemID) VALUES (4)"));
    db.exec(QStringLiteral("INSERT INTO ARPmtCtl (NextPaymentID) VALUES (4)"));
}

Standing standing(Database& db)
{
    return {inUnits(db, QStringLiteral("SELECT Owing FROM ARInv ORDER BY ARInvoiceID")),
            inUnits(db, QStringLiteral("SELECT WriteOffAmount FROM ARInv ORDER BY ARInvoiceID")),
            inUnits(db, QStringLiteral("SELECT Balance FROM CBalance ORDER BY CustomerID"))};
}

char* toString(const Standing& s)
{
    auto list = [](const QList<qint64>& values) {
        QStringList texts;
        for (qint64 v : values)
            texts << QString::number(v);
        return texts.join(QLatin1Char(' '));
    };
    return QTest::toString(QStringLiteral("owing [%1] write-off [%2] balance [%3]")
                               .arg(list(s.owing), list(s.writeOff), list(s.balance)));
}

} // namespace resetledger

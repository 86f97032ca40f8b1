#include "paymentledger.h"

#include "common/formatsettings.h"
#include "data/artables.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "receivables/bookcheck/customerbalancecheck.h"
#include "receivables/bookcheck/paymentapplicationcheck.h"
#include "testdatabases.h"

#include <QTest>

namespace paymentledger
{

namespace
{
QVariant amount(const std::optional<Money>& money)
{
    return money ? QVariant(money->raw()) : QVariant();
}
} // namespace

namespace
{
void createPaymentTables(Database& db)
{
    for (const TableDef& t : {ar::arPmt(), ar::arInvPmt()})
        schema::createTable(db, t);
}
} // namespace

void create(Database& db)
{
    postingfixture::create(db);
    createPaymentTables(db);
}

std::unique_ptr<Database> freshPaymentLedger(const QString& engine)
{
    auto db = postingfixture::freshLedger(engine);
    createPaymentTables(*db);
    return db;
}

void addPostedInvoice(Database& db, qint64 id, qint64 customerId, Money amount, bool inBalance)
{
    addInvoice(db, {id, customerId, amount, true, true});
    if (!inBalance)
        return;
    Statement s = db.prepare(QStringLiteral(
        "INSERT INTO CBalance (CustomerID, Balance) VALUES (?, ?) ON CONFLICT (CustomerID) DO "
        "UPDATE SET Balance = CBalance.Balance + excluded.Balance"));
    s.bind(0, customerId).bind(1, amount.raw()).exec();
}

void addPayment(Database& db, qint64 paymentId, qint64 customerId, const QList<Line>& lines,
                bool posted)
{
    Money cheque;
    for (const Line& line : lines)
        cheque += line.payment.value_or(Money());
    Statement header = db.prepare(
        QStringLiteral("INSERT INTO ARPmt (PaymentID, ChequeNo, CustomerID, ChequeAmount, Posted, "
                       "Reconciled) VALUES (?, ?, ?, ?, ?, false)"));
    header.bind(0, paymentId)
        .bind(1, QStringLiteral("C%1").arg(paymentId))
        .bind(2, customerId)
        .bind(3, cheque.raw())
        .bind(4, posted)
        .exec();
    Statement s = db.prepare(
        QStringLiteral("INSERT INTO ARInvPmt (ARInvoiceID, PaymentID, Seq, PaymentAmount, "
                       "DiscTakenAmount, WriteOffAmount) VALUES (?, ?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const Line& line : lines)
        s.bind(0, line.invoiceId)
            .bind(1, paymentId)
            .bind(2, ++seq)
            .bind(3, amount(line.payment))
            .bind(4, amount(line.discTaken))
            .bind(5, amount(line.writeOff))
            .exec();
}

void addPaymentLedger(Database& db, int payments, int customers)
{
    Transaction transaction(db);
    qint64 invoiceId = 0;
    for (int n = 1; n <= payments; ++n) {
        const qint64 customer = 1 + n % customers;
        QList<Line> lines;
        for (int k = 0; k <= n % 3; ++k) {
            const Money amount = Money::fromCents(1000 + 137 * (++invoiceId % 50));
            addPostedInvoice(db, invoiceId, customer, amount);
            const Money discount = Money::percentOf(amount, 2.0);
            switch ((n + k) % 4) {
            case 0:
                lines << Line{invoiceId, amount};
                break;
            case 1:
                lines << Line{invoiceId, Money::fromCents(500)};
                break;
            case 2:
                lines << Line{invoiceId, amount - discount, discount};
                break;
            default:
                lines << Line{invoiceId, amount - Money::fromCents(300), std::nullopt,
                              Money::fromCents(300)};
            }
        }
        addPayment(db, n, customer, lines);
    }
    transaction.commit();
}

void unpostPayments(Database& db)
{
    Transaction transaction(db);
    db.exec(QStringLiteral("UPDATE ARPmt SET Posted = false"));
    db.exec(QStringLiteral("UPDATE ARInv SET PaidAmount = 0, DiscTakenAmount = 0, WriteOffAmount "
                           "= 0, Owing = InvoiceAmount"));
    db.exec(QStringLiteral("UPDATE CBalance SET Balance = COALESCE((SELECT SUM(InvoiceAmount) "
                           "FROM ARInv I WHERE I.CustomerID = CBalance.CustomerID AND I.Posted "
                           "= true), 0)"));
    transaction.commit();
}

InvoicePaid invoicePaid(Database& db, qint64 invoiceId)
{
    Statement s = db.query(
        QStringLiteral("SELECT PaidAmount, DiscTakenAmount, WriteOffAmount, Owing FROM ARInv "
                       "WHERE ARInvoiceID = %1")
            .arg(invoiceId));
    s.exec();
    if (!s.next())
        return {};
    return {s.money(QStringLiteral("PaidAmount")), s.money(QStringLiteral("DiscTakenAmount")),
            s.money(QStringLiteral("WriteOffAmount")), s.money(QStringLiteral("Owing"))};
}

QList<qint64> postedPayments(Database& db)
{
    return testdb::integers(
        db, QStringLiteral("SELECT PaymentID FROM ARPmt WHERE Posted = true ORDER BY PaymentID"));
}

QStringList untiedBooks(Database& db)
{
    QStringList texts;
    for (const auto& found : checkCustomerBalances(db, FormatSettings::us()) +
                                 checkPaymentApplications(db, FormatSettings::us()))
        texts << found.text;
    return texts;
}

} // namespace paymentledger

char* toString(const paymentledger::InvoicePaid& paid)
{
    return QTest::toString(QStringLiteral("paid %1, discount %2, write-off %3, owing %4")
                               .arg(paid.paid.toPlainString(), paid.discTaken.toPlainString(),
                                    paid.writeOff.toPlainString(), paid.owing.toPlainString()));
}

#include "receivables/payments/paymentstore.h"

#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/rowvalues.h"
#include "engine/transaction.h"
#include "receivables/payments/paymentmessages.h"
#include "receivables/payments/paymentrefusal.h"

#include <algorithm>

namespace
{

using namespace rowvalues;

QVariantMap headerValues(const PaymentHeader& h)
{
    return {{QStringLiteral("PaymentID"), h.paymentId},
            {QStringLiteral("ChequeNo"), h.chequeNo},
            {QStringLiteral("CustomerID"), orNull(h.customerId)},
            {QStringLiteral("BankID"), orNull(h.bankId)},
            {QStringLiteral("GLYear"), orNull(h.glYear)},
            {QStringLiteral("GLPeriod"), orNull(h.glPeriod)},
            {QStringLiteral("PaymentDate"),
             h.paymentDate.isValid() ? QVariant(h.paymentDate) : QVariant()},
            {QStringLiteral("ChequeAmount"), orNull(h.chequeAmount)},
            {QStringLiteral("Posted"), h.posted},
            {QStringLiteral("Reconciled"), h.reconciled}};
}

PaymentHeader readHeader(const Statement& s)
{
    PaymentHeader h;
    h.paymentId = s.integer(QStringLiteral("PaymentID"));
    h.chequeNo = s.text(QStringLiteral("ChequeNo"));
    h.customerId = s.optionalInteger(QStringLiteral("CustomerID"));
    h.bankId = s.optionalInteger(QStringLiteral("BankID"));
    h.glYear = optionalInt(s, QStringLiteral("GLYear"));
    h.glPeriod = optionalInt(s, QStringLiteral("GLPeriod"));
    h.paymentDate = s.date(QStringLiteral("PaymentDate"));
    h.chequeAmount = optionalMoney(s, QStringLiteral("ChequeAmount"));
    h.posted = s.boolean(QStringLiteral("Posted"));
    h.reconciled = s.boolean(QStringLiteral("Reconciled"));
    return h;
}

PaymentLine readLine(const Statement& s)
{
    PaymentLine line;
    line.seq = int(s.integer(QStringLiteral("Seq")));
    line.arInvoiceId = s.optionalInteger(QStringLiteral("ARInvoiceID"));
    line.paymentAmount = optionalMoney(s, QStringLiteral("PaymentAmount"));
    line.discTakenAmount = optionalMoney(s, QStringLiteral("DiscTakenAmount"));
    line.writeOffAmount = optionalMoney(s, QStringLiteral("WriteOffAmount"));
    line.writeOffGLAccountId = s.optionalInteger(QStringLiteral("WriteOffGLAccountID"));
    return line;
}

const QStringList& lineFields()
{
    static const QStringList fields{QStringLiteral("ARInvoiceID"),
                                    QStringLiteral("PaymentID"),
                                    QStringLiteral("Seq"),
                                    QStringLiteral("PaymentAmount"),
                                    QStringLiteral("DiscTakenAmount"),
                                    QStringLiteral("WriteOffAmount"),
                                    QStringLiteral("WriteOffGLAccountID")};
    return fields;
}

QVariantList lineValues(qint64 paymentId, const PaymentLine& line)
{
    return {orNull(line.arInvoiceId),
            paymentId,
            line.seq,
            orNull(line.paymentAmount),
            orNull(line.discTakenAmount),
            orNull(line.writeOffAmount),
            orNull(line.writeOffGLAccountId)};
}

void updateHeader(Database& db, const PaymentHeader& header)
{
    QVariantMap values = headerValues(header);
    values.remove(QStringLiteral("PaymentID"));
    // A posted payment is never written over, even when another workstation posted it while
    // this one had it open.
    const int updated =
        records::update(db, ar::arPmt(), values,
                        QStringLiteral("PaymentID = :id AND COALESCE(Posted, false) = false"),
                        {{QStringLiteral("id"), header.paymentId}});
    if (updated > 0)
        return;
    Statement s = db.prepare(QStringLiteral("SELECT Posted FROM ARPmt WHERE PaymentID = :id"));
    s.bind(QStringLiteral("id"), header.paymentId).exec();
    if (!s.next())
        // Writing it again would bring back a payment the other user meant to remove.
        throw PaymentRefusal(paymentmsg::kPaymentDeletedMeanwhile);
    throw PaymentRefusal(paymentmsg::kPostedLocked);
}

// A line's checks read the invoice's Owing when the line was stored; another workstation may
// have posted a payment on the invoice since. A discount or a write-off is granted only on what
// is still owed, so those lines are checked again against Owing as it stands now, with the
// invoice held until the payment is written: posting cannot change it in between.
void refuseUnsettledLines(Database& db, const QList<PaymentLine>& lines)
{
    // Held in key order, as every payment holds them, so two payments never wait on each other.
    QList<PaymentLine> granting;
    for (const PaymentLine& line : lines) {
        if (line.grantsDiscountOrWriteOff() && line.arInvoiceId)
            granting << line;
    }
    std::sort(granting.begin(), granting.end(), [](const PaymentLine& a, const PaymentLine& b) {
        return *a.arInvoiceId < *b.arInvoiceId;
    });
    for (const PaymentLine& line : granting) {
        Statement hold =
            db.prepare(QStringLiteral("UPDATE ARInv SET Owing = Owing WHERE ARInvoiceID = :id"));
        hold.bind(QStringLiteral("id"), *line.arInvoiceId).exec();
        Statement s = db.prepare(
            QStringLiteral("SELECT InvoiceNo, Owing FROM ARInv WHERE ARInvoiceID = :id"));
        s.bind(QStringLiteral("id"), *line.arInvoiceId).exec();
        const bool found = s.next();
        const Money owing = found ? s.money(QStringLiteral("Owing")) : Money();
        if (owing != line.settledAmount())
            throw PaymentRefusal(
                paymentmsg::invoiceChangedMeanwhile(
                    found ? s.text(QStringLiteral("InvoiceNo")) : QString(), owing),
                PaymentField::Lines);
    }
}

} // namespace

namespace paymentstore
{

std::optional<StoredPayment> load(Database& db, qint64 paymentId)
{
    return loadStored<PaymentHeader, PaymentLine>(
        db, paymentId,
        QStringLiteral("SELECT PaymentID, ChequeNo, CustomerID, BankID, GLYear, GLPeriod, "
                       "PaymentDate, ChequeAmount, Posted, Reconciled FROM ARPmt "
                       "WHERE PaymentID = :id"),
        QStringLiteral("SELECT ARInvoiceID, Seq, PaymentAmount, DiscTakenAmount, WriteOffAmount, "
                       "WriteOffGLAccountID FROM ARInvPmt WHERE PaymentID = :id ORDER BY Seq"),
        readHeader, readLine);
}

int maxStoredSeq(Database& db, qint64 paymentId)
{
    return ::maxStoredSeq(db, QStringLiteral("ARInvPmt"), QStringLiteral("PaymentID"), paymentId);
}

void write(Database& db, const PaymentHeader& header, const QList<PaymentLine>& lines,
           bool newHeader)
{
    Transaction tx(db, Transaction::Mode::Write);
    if (newHeader) {
        records::insert(db, ar::arPmt(), headerValues(header));
    } else {
        updateHeader(db, header);
        Statement clear = db.prepare(QStringLiteral("DELETE FROM ARInvPmt WHERE PaymentID = :id"));
        clear.bind(QStringLiteral("id"), header.paymentId).exec();
    }
    refuseUnsettledLines(db, lines);
    BatchInsert insert(db, ar::arInvPmt(), lineFields());
    for (const PaymentLine& line : lines)
        insert.add(lineValues(header.paymentId, line));
    insert.finish();
    tx.commit();
}

} // namespace paymentstore

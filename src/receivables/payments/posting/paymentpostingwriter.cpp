#include "receivables/payments/posting/paymentpostingwriter.h"

#include "engine/database.h"
#include "engine/keyblocks.h"
#include "receivables/posting/balancechanges.h"
#include "receivables/posting/blockorone.h"

#include <QMap>
#include <algorithm>

namespace paymentposting
{

namespace
{

// Only payments still unposted are taken, so a payment another workstation posted meanwhile is
// neither applied again nor taken off a balance twice. The customer is looked up per payment,
// so the engine walks the block's keys rather than every payment of every customer.
const QString kTakePayments = QStringLiteral(
    "UPDATE ARPmt SET Posted = true WHERE PaymentID IN (%1) AND Posted = false AND EXISTS "
    "(SELECT 1 FROM Customer C WHERE C.CustomerID = ARPmt.CustomerID) RETURNING PaymentID, "
    "CustomerID, ChequeNo");

// The lines of the payments taken, with their invoices as they stand now and held so until the
// block is written; a line whose invoice is gone is left out.
const QString kReadLines = QStringLiteral(
    "SELECT L.PaymentID, L.ARInvoiceID, L.PaymentAmount, L.DiscTakenAmount, L.WriteOffAmount, "
    "I.InvoiceNo, COALESCE(I.Owing, 0) AS InvoiceOwing FROM ARInvPmt L INNER JOIN ARInv I "
    "ON I.ARInvoiceID = L.ARInvoiceID WHERE L.PaymentID IN (%1) ORDER BY L.PaymentID, L.Seq");

const QString kGiveBack = QStringLiteral("UPDATE ARPmt SET Posted = false WHERE PaymentID IN (%1)");

// Every invoice paid gets the sums of its lines over the posted payments, and owes that much
// less: what a balance reset cleared stays cleared.
const QString kApplyLines = QStringLiteral(
    "UPDATE ARInv SET PaidAmount = COALESCE(ARInv.PaidAmount, 0) + S.Paid, DiscTakenAmount = "
    "COALESCE(ARInv.DiscTakenAmount, 0) + S.DiscTaken, WriteOffAmount = "
    "COALESCE(ARInv.WriteOffAmount, 0) + S.WriteOff, Owing = COALESCE(ARInv.Owing, 0) - (S.Paid + "
    "S.DiscTaken + S.WriteOff) FROM (SELECT ARInvoiceID, "
    "CAST(SUM(COALESCE(PaymentAmount, 0)) AS BIGINT) AS Paid, CAST(SUM(COALESCE(DiscTakenAmount, "
    "0)) AS BIGINT) AS DiscTaken, CAST(SUM(COALESCE(WriteOffAmount, 0)) AS BIGINT) AS WriteOff "
    "FROM ARInvPmt WHERE PaymentID IN (%1) GROUP BY ARInvoiceID) S WHERE ARInv.ARInvoiceID = "
    "S.ARInvoiceID");

struct TakenPayment {
    qint64 customerId = 0;
    QString chequeNo;
    QList<AllocationLine> lines;
};

// Runs a statement over a block's keys, padded to the block's statement size.
Statement overKeys(Database& db, const QString& sql, std::span<const qint64> keys,
                   int statementSize)
{
    Statement s = db.prepare(sql.arg(sql::keyPlaceholders(statementSize)));
    sql::bindKeyBlock(s, keys, statementSize);
    s.exec();
    return s;
}

} // namespace

void PaymentPostingWriter::post(std::span<const qint64> keys, PaymentTally& tally)
{
    posting::postBlockOrOneByOne(db_, keys, kBlockSize, tally,
                                 [this](std::span<const qint64> block, int statementSize) {
                                     return postBlock(block, statementSize);
                                 });
}

PaymentTally PaymentPostingWriter::postBlock(std::span<const qint64> keys, int statementSize)
{
    Q_ASSERT(int(keys.size()) <= statementSize);
    // Keyed by PaymentID, so the payments are gone through in posting order.
    QMap<qint64, TakenPayment> taken;
    {
        Statement s = overKeys(db_, kTakePayments, keys, statementSize);
        while (s.next())
            taken.insert(s.integer(0), {s.integer(1), s.text(2).trimmed(), {}});
        s.finish();
    }
    PaymentTally tally;
    if (taken.isEmpty())
        return tally;
    const std::vector<qint64> takenKeys(taken.keyBegin(), taken.keyEnd());

    QHash<qint64, InvoiceStanding> invoices;
    {
        Statement s = overKeys(db_, kReadLines + db_.dialect().holdRowsRead(QStringLiteral("I")),
                               takenKeys, statementSize);
        while (s.next()) {
            const qint64 invoiceId = s.integer(1);
            taken[s.integer(0)].lines
                << AllocationLine{invoiceId, s.money(QStringLiteral("PaymentAmount")),
                                  s.money(QStringLiteral("DiscTakenAmount")),
                                  s.money(QStringLiteral("WriteOffAmount"))};
            if (!invoices.contains(invoiceId))
                invoices.insert(invoiceId, {s.text(QStringLiteral("InvoiceNo")).trimmed(),
                                            s.money(QStringLiteral("InvoiceOwing"))});
        }
        s.finish();
    }

    // Per customer in key order, so that workstations change balance rows in the same order.
    QMap<qint64, Money> changes;
    std::vector<qint64> posted;
    std::vector<qint64> heldBack;
    for (auto it = taken.constBegin(); it != taken.constEnd(); ++it) {
        const TakenPayment& payment = it.value();
        if (const auto unsettled = applyPayment(invoices, payment.lines)) {
            heldBack.push_back(it.key());
            tally.heldBack << HeldBackPayment{it.key(), payment.chequeNo, *unsettled};
            continue;
        }
        Money total;
        for (const AllocationLine& line : payment.lines)
            total += line.total();
        changes[payment.customerId] -= total;
        tally.amount += total;
        ++tally.payments;
        posted.push_back(it.key());
    }

    if (!heldBack.empty())
        overKeys(db_, kGiveBack, heldBack, statementSize);
    if (!posted.empty()) {
        overKeys(db_, kApplyLines, posted, statementSize);
        posting::addToBalances(db_, changes);
    }
    return tally;
}

} // namespace paymentposting

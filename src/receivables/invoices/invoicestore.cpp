#include "receivables/invoices/invoicestore.h"

#include "data/artables.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/rowvalues.h"
#include "engine/transaction.h"
#include "engine/unitbatch.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"

namespace
{

using namespace rowvalues;

QVariant dateOrNull(const QDate& date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}

QString code(const Statement& s, const QString& column)
{
    return s.text(column).trimmed();
}

QVariantMap headerValues(const InvoiceHeader& h)
{
    QVariantMap v;
    v.insert(QStringLiteral("ARInvoiceID"), h.invoiceId);
    v.insert(QStringLiteral("CustomerID"), orNull(h.customerId));
    v.insert(QStringLiteral("InvoiceNo"), h.invoiceNo);
    v.insert(QStringLiteral("WarehouseID"), orNull(h.warehouseId));
    v.insert(QStringLiteral("Description"), h.description);
    v.insert(QStringLiteral("InvoiceDate"), dateOrNull(h.invoiceDate));
    v.insert(QStringLiteral("InvoiceAmount"), QVariant::fromValue(h.invoiceAmount));
    v.insert(QStringLiteral("PaidAmount"), QVariant::fromValue(h.paidAmount));
    v.insert(QStringLiteral("DiscTakenAmount"), QVariant::fromValue(h.discTakenAmount));
    v.insert(QStringLiteral("WriteOffAmount"), QVariant::fromValue(h.writeOffAmount));
    v.insert(QStringLiteral("Owing"), QVariant::fromValue(h.owing));
    v.insert(QStringLiteral("DiscPC"), orNull(h.discPC));
    v.insert(QStringLiteral("DiscDays"), orNull(h.discDays));
    v.insert(QStringLiteral("NetDays"), orNull(h.netDays));
    v.insert(QStringLiteral("COD"), orNull(h.cod));
    v.insert(QStringLiteral("PurchaseOrderNo"), h.purchaseOrderNo);
    v.insert(QStringLiteral("GLPeriod"), orNull(h.glPeriod));
    v.insert(QStringLiteral("GLYear"), orNull(h.glYear));
    v.insert(QStringLiteral("Printed"), h.printed);
    v.insert(QStringLiteral("Posted"), h.posted);
    v.insert(QStringLiteral("Tax1ID"), orNull(h.tax1Id));
    v.insert(QStringLiteral("Tax2ID"), orNull(h.tax2Id));
    v.insert(QStringLiteral("Tax1Code"), h.tax1Code);
    v.insert(QStringLiteral("Tax2Code"), h.tax2Code);
    v.insert(QStringLiteral("Tax1Rate"), orNull(h.tax1Rate));
    v.insert(QStringLiteral("Tax2Rate"), orNull(h.tax2Rate));
    for (int i = 0; i < TaxBuckets::kCount; ++i) {
        v.insert(QStringLiteral("TaxableAmount%1").arg(i + 1),
                 QVariant::fromValue(h.buckets[i].amount));
        v.insert(QStringLiteral("TaxableAmtCode%1").arg(i + 1), h.buckets[i].code);
    }
    v.insert(QStringLiteral("ExchangeRate"), orNull(h.exchangeRate));
    v.insert(QStringLiteral("Recip_ID"), h.recipId);
    v.insert(QStringLiteral("CustomerType"), h.customerType);
    return v;
}

InvoiceHeader readHeader(const Statement& s)
{
    InvoiceHeader h;
    h.invoiceId = s.integer(QStringLiteral("ARInvoiceID"));
    h.customerId = s.optionalInteger(QStringLiteral("CustomerID"));
    h.invoiceNo = s.text(QStringLiteral("InvoiceNo"));
    h.warehouseId = s.optionalInteger(QStringLiteral("WarehouseID"));
    h.description = s.text(QStringLiteral("Description"));
    h.invoiceDate = s.date(QStringLiteral("InvoiceDate"));
    h.invoiceAmount = s.money(QStringLiteral("InvoiceAmount"));
    h.paidAmount = s.money(QStringLiteral("PaidAmount"));
    h.discTakenAmount = s.money(QStringLiteral("DiscTakenAmount"));
    h.writeOffAmount = s.money(QStringLiteral("WriteOffAmount"));
    h.owing = s.money(QStringLiteral("Owing"));
    h.discPC = optionalReal(s, QStringLiteral("DiscPC"));
    h.discDays = optionalInt(s, QStringLiteral("DiscDays"));
    h.netDays = optionalInt(s, QStringLiteral("NetDays"));
    if (!s.isNull(QStringLiteral("COD")))
        h.cod = s.boolean(QStringLiteral("COD"));
    h.purchaseOrderNo = s.text(QStringLiteral("PurchaseOrderNo"));
    h.glPeriod = optionalInt(s, QStringLiteral("GLPeriod"));
    h.glYear = optionalInt(s, QStringLiteral("GLYear"));
    h.printed = s.boolean(QStringLiteral("Printed"));
    h.posted = s.boolean(QStringLiteral("Posted"));
    h.tax1Id = s.optionalInteger(QStringLiteral("Tax1ID"));
    h.tax2Id = s.optionalInteger(QStringLiteral("Tax2ID"));
    h.tax1Code = code(s, QStringLiteral("Tax1Code"));
    h.tax2Code = code(s, QStringLiteral("Tax2Code"));
    h.tax1Rate = optionalReal(s, QStringLiteral("Tax1Rate"));
    h.tax2Rate = optionalReal(s, QStringLiteral("Tax2Rate"));
    for (int i = 0; i < TaxBuckets::kCount; ++i) {
        h.buckets[i].amount = s.money(QStringLiteral("TaxableAmount%1").arg(i + 1));
        h.buckets[i].code = code(s, QStringLiteral("TaxableAmtCode%1").arg(i + 1));
    }
    h.exchangeRate = optionalReal(s, QStringLiteral("ExchangeRate"));
    h.recipId = s.text(QStringLiteral("Recip_ID"));
    h.customerType = code(s, QStringLiteral("CustomerType"));
    return h;
}

InvoiceLine readLine(const Statement& s)
{
    InvoiceLine line;
    line.seq = int(s.integer(QStringLiteral("Seq")));
    line.quantity = optionalReal(s, QStringLiteral("Quantity"));
    line.itemId = s.optionalInteger(QStringLiteral("ItemID"));
    if (!s.isNull(QStringLiteral("UnitPrice")))
        line.unitPrice = s.money(QStringLiteral("UnitPrice"));
    line.taxCodes = s.text(QStringLiteral("TaxCodes"));
    line.itemOvDesc = s.text(QStringLiteral("ItemOvDesc"));
    return line;
}

const QStringList& lineFields()
{
    static const QStringList fields{QStringLiteral("ARInvoiceID"), QStringLiteral("Seq"),
                                    QStringLiteral("Quantity"),    QStringLiteral("ItemID"),
                                    QStringLiteral("UnitPrice"),   QStringLiteral("TaxCodes"),
                                    QStringLiteral("ItemOvDesc")};
    return fields;
}

QVariantList lineValues(qint64 invoiceId, const InvoiceLine& line)
{
    return {invoiceId,
            line.seq,
            orNull(line.quantity),
            orNull(line.itemId),
            orNull(line.unitPrice),
            line.taxCodes,
            line.itemOvDesc};
}

bool isPostedNow(Database& db, qint64 invoiceId, bool* exists)
{
    Statement s = db.prepare(QStringLiteral("SELECT Posted FROM ARInv WHERE ARInvoiceID = :id"));
    s.bind(QStringLiteral("id"), invoiceId).exec();
    *exists = s.next();
    return *exists && s.boolean(QStringLiteral("Posted"));
}

} // namespace

namespace invoicestore
{

std::optional<StoredInvoice> load(Database& db, qint64 invoiceId)
{
    return loadStored<InvoiceHeader, InvoiceLine>(
        db, invoiceId, QStringLiteral("SELECT * FROM ARInv WHERE ARInvoiceID = :id"),
        QStringLiteral(
            "SELECT Seq, Quantity, ItemID, UnitPrice, TaxCodes, ItemOvDesc FROM ARInvDet "
            "WHERE ARInvoiceID = :id ORDER BY Seq"),
        readHeader, readLine);
}

int maxStoredSeq(Database& db, qint64 invoiceId)
{
    return ::maxStoredSeq(db, QStringLiteral("ARInvDet"), QStringLiteral("ARInvoiceID"), invoiceId);
}

void gather(UnitBatch& batch, const InvoiceHeader& header, const QList<InvoiceLine>& lines)
{
    static const TableDef arInv = ar::arInv();
    static const TableDef arInvDet = ar::arInvDet();
    const QVariantMap values = headerValues(header);
    batch.add(arInv, values.keys(), values.values());
    for (const InvoiceLine& line : lines)
        batch.add(arInvDet, lineFields(), lineValues(header.invoiceId, line));
}

void write(Database& db, const InvoiceHeader& header, const QList<InvoiceLine>& lines,
           bool newHeader)
{
    const TableDef arInv = ar::arInv();
    const TableDef arInvDet = ar::arInvDet();
    Transaction tx(db, Transaction::Mode::Write);
    if (newHeader) {
        records::insert(db, arInv, headerValues(header));
    } else {
        QVariantMap values = headerValues(header);
        values.remove(QStringLiteral("ARInvoiceID"));
        // A posted invoice is never written over, even when another workstation posted it
        // while this one had it open.
        const int updated =
            records::update(db, arInv, values,
                            QStringLiteral("ARInvoiceID = :id AND COALESCE(Posted, false) = false"),
                            {{QStringLiteral("id"), header.invoiceId}});
        if (updated == 0) {
            bool exists = false;
            if (isPostedNow(db, header.invoiceId, &exists))
                throw InvoiceRefusal(invoicemsg::kPostedLocked);
            // Another workstation deleted the invoice while this one had it open: writing it
            // again would bring back an invoice the other user meant to remove.
            if (!exists)
                throw InvoiceRefusal(invoicemsg::kInvoiceDeletedMeanwhile);
        }
    }
    // A new invoice's key was just drawn: it has no stored lines to clear.
    if (!newHeader) {
        Statement clear =
            db.prepare(QStringLiteral("DELETE FROM ARInvDet WHERE ARInvoiceID = :id"));
        clear.bind(QStringLiteral("id"), header.invoiceId).exec();
    }
    // All the lines in one statement (or a few for a very long invoice): a round trip per line
    // would dominate the time of a generation run on a server.
    BatchInsert insert(db, arInvDet, lineFields());
    for (const InvoiceLine& line : lines)
        insert.add(lineValues(header.invoiceId, line));
    insert.finish();
    tx.commit();
}

} // namespace invoicestore

#include "reports/invoiceprint/printedinvoicereader.h"

#include "engine/database.h"
#include "engine/keyblocks.h"
#include "reports/invoiceprint/invoiceprintfields.h"
#include "reports/invoiceprint/invoiceselection.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using namespace invoiceprint;

namespace
{

// The invoice's own columns the printout reads; the selection's "I.*" would also bring the
// invoice's copy of CustomerType, which must not hide the customer's own.
const QString kInvoiceColumns = QStringLiteral(
    "SELECT I.ARInvoiceID, I.CustomerID, I.InvoiceNo, I.Description, I.InvoiceDate,"
    " I.InvoiceAmount, I.Owing, I.DiscPC, I.DiscDays, I.NetDays, I.COD, I.PurchaseOrderNo,"
    " I.Tax1Code, I.Tax2Code, I.Tax1Rate, I.Tax2Rate, I.TaxableAmount1, I.TaxableAmount2,"
    " I.TaxableAmount3, I.TaxableAmtCode1, I.TaxableAmtCode2, I.TaxableAmtCode3, I.Recip_ID,"
    " I.Printed,");

// The names the printout looks up, beside the selection's columns.
const QString kLookedUpColumns =
    QStringLiteral(", Recip.CustomerName AS RecipientName, W.WarehouseName, Cur.CurrencyName,"
                   " T1.TaxDescription AS Tax1Description, T2.TaxDescription AS Tax2Description");

const QString kLookUpJoins =
    QStringLiteral("LEFT OUTER JOIN Warehse W ON W.WarehouseID = I.WarehouseID\n"
                   "LEFT OUTER JOIN Currency Cur ON Cur.CurrencyID = C.CurrencyID\n"
                   "LEFT OUTER JOIN Tax T1 ON T1.TaxID = I.Tax1ID\n"
                   "LEFT OUTER JOIN Tax T2 ON T2.TaxID = I.Tax2ID\n");

const QString kLinesSql = QStringLiteral(
    "SELECT D.ARInvoiceID, D.Seq, D.Quantity, D.UnitPrice, D.TaxCodes, D.ItemOvDesc, It.ItemNo,"
    " It.ItemDescription FROM ARInvDet D LEFT OUTER JOIN Item It ON It.ItemID = D.ItemID"
    " WHERE D.ARInvoiceID IN (%1) ORDER BY D.ARInvoiceID, D.Seq");

const QString kBalancesSql =
    QStringLiteral("SELECT CustomerID, CAST(SUM(Owing) AS BIGINT) AS CurrentBalance FROM ARInv"
                   " WHERE CustomerID IN (%1) GROUP BY CustomerID");

std::optional<double> optionalReal(const Statement& s, const QString& column)
{
    return s.isNull(column) ? std::nullopt : std::optional<double>(s.real(column));
}

std::optional<Money> optionalMoney(const Statement& s, const QString& column)
{
    return s.isNull(column) ? std::nullopt : std::optional<Money>(s.money(column));
}

// The invoice's stored fields and what its worked-out fields are made from.
PrintedInvoice invoiceFrom(const Statement& s, InvoiceFieldInputs& inputs)
{
    PrintedInvoice v;
    v.arInvoiceId = s.integer(QStringLiteral("ARInvoiceID"));
    v.customerId = s.integer(QStringLiteral("CustomerID"));
    v.invoiceNo = s.text(QStringLiteral("InvoiceNo"));
    v.description = s.text(QStringLiteral("Description"));
    v.invoiceDate = s.date(QStringLiteral("InvoiceDate"));
    v.invoiceAmount = s.money(QStringLiteral("InvoiceAmount"));
    v.owing = s.money(QStringLiteral("Owing"));
    v.purchaseOrderNo = s.text(QStringLiteral("PurchaseOrderNo"));
    v.recipId = s.text(QStringLiteral("Recip_ID"));
    v.printed = s.boolean(QStringLiteral("Printed"));
    v.warehouseName = s.text(QStringLiteral("WarehouseName"));
    v.currencyName = s.text(QStringLiteral("CurrencyName"));

    v.customerNo = s.text(QStringLiteral("CustomerNo"));
    v.customerName = s.text(QStringLiteral("CustomerName"));
    v.contact = s.text(QStringLiteral("Contact"));
    v.addressLine1 = s.text(QStringLiteral("AddressLine1"));
    v.addressLine2 = s.text(QStringLiteral("AddressLine2"));
    v.city = s.text(QStringLiteral("City"));
    v.stateProv = s.text(QStringLiteral("StateProv"));
    v.zipCode = s.text(QStringLiteral("ZipCode"));
    v.country = s.text(QStringLiteral("Country"));
    v.customerMessage = s.text(QStringLiteral("CustomerMessage"));
    v.taxNo = s.text(QStringLiteral("TaxNo"));
    v.customerType = s.text(QStringLiteral("CustomerType"));

    v.shipToName = s.text(QStringLiteral("ShipToName"));
    v.shipToAddressLine1 = s.text(QStringLiteral("ShipToAddressLine1"));
    v.shipToAddressLine2 = s.text(QStringLiteral("ShipToAddressLine2"));
    v.shipToCity = s.text(QStringLiteral("ShipToCity"));
    v.shipToStateProv = s.text(QStringLiteral("ShipToStateProv"));
    v.shipToZipCode = s.text(QStringLiteral("ShipToZipCode"));
    v.shipToCountry = s.text(QStringLiteral("ShipToCountry"));
    v.recipientName = s.text(QStringLiteral("RecipientName"));

    inputs.cod = s.boolean(QStringLiteral("COD"));
    inputs.discPC = s.real(QStringLiteral("DiscPC"));
    if (const auto days = s.optionalInteger(QStringLiteral("DiscDays")))
        inputs.discDays = int(*days);
    inputs.netDays = int(s.integer(QStringLiteral("NetDays")));
    inputs.tax1 = {s.text(QStringLiteral("Tax1Code")), optionalReal(s, QStringLiteral("Tax1Rate"))};
    inputs.tax2 = {s.text(QStringLiteral("Tax2Code")), optionalReal(s, QStringLiteral("Tax2Rate"))};
    inputs.tax1Description = s.text(QStringLiteral("Tax1Description"));
    inputs.tax2Description = s.text(QStringLiteral("Tax2Description"));
    for (int k = 0; k < TaxBuckets::kCount; ++k) {
        const QString n = QString::number(k + 1);
        inputs.buckets[k] = {s.text(QStringLiteral("TaxableAmtCode") + n),
                             s.money(QStringLiteral("TaxableAmount") + n)};
    }
    return v;
}

StoredLine lineFrom(const Statement& s)
{
    StoredLine line;
    line.seq = int(s.integer(QStringLiteral("Seq")));
    line.quantity = optionalReal(s, QStringLiteral("Quantity"));
    line.unitPrice = optionalMoney(s, QStringLiteral("UnitPrice"));
    line.taxCodes = s.text(QStringLiteral("TaxCodes"));
    line.itemOvDesc = s.text(QStringLiteral("ItemOvDesc"));
    line.itemNo = s.text(QStringLiteral("ItemNo"));
    line.itemDescription = s.text(QStringLiteral("ItemDescription"));
    return line;
}

} // namespace

PrintedInvoiceReader::PrintedInvoiceReader(Database& db, const InvoiceSelection& selection,
                                           const FormatSettings& settings, int blockSize)
    : db_(db), settings_(settings), blockSize_(std::max(1, blockSize)),
      customerColumns_(selection.lines().mid(1, 3)), joins_(selection.lines().mid(4, 3))
{
    Statement s = db_.query(selection.keysSql(db_.dialect()));
    s.exec();
    while (s.next())
        keys_.push_back(s.integer(0));
}

bool PrintedInvoiceReader::next()
{
    while (++position_ < count()) {
        if (position_ >= blockStart_ + int(block_.size()) || position_ < blockStart_)
            loadBlock(position_);
        if (block_[position_ - blockStart_])
            return true;
    }
    return false;
}

void PrintedInvoiceReader::rewind()
{
    position_ = -1;
    block_.clear();
    blockStart_ = 0;
}

QString PrintedInvoiceReader::invoicesSql() const
{
    return kInvoiceColumns + QLatin1Char('\n') + customerColumns_.join(QLatin1Char('\n')) +
           kLookedUpColumns + QLatin1Char('\n') + joins_.join(QLatin1Char('\n')) +
           QLatin1Char('\n') + kLookUpJoins + QStringLiteral("WHERE I.ARInvoiceID IN (") +
           sql::keyPlaceholders(blockSize_) + QLatin1Char(')');
}

void PrintedInvoiceReader::loadBlock(int first)
{
    const std::span<const qint64> keys =
        std::span(keys_).subspan(first, std::min<size_t>(blockSize_, keys_.size() - first));

    struct Loaded {
        PrintedInvoice invoice;
        QString tax1Code;
        QString tax2Code;
    };
    QHash<qint64, Loaded> loaded;
    {
        Statement s = db_.prepare(invoicesSql());
        sql::bindKeyBlock(s, keys, blockSize_);
        s.exec();
        while (s.next()) {
            const qint64 id = s.integer(QStringLiteral("ARInvoiceID"));
            if (loaded.contains(id))
                continue; // a recipient number shared by two customers: the first one answers
            InvoiceFieldInputs inputs;
            Loaded l{invoiceFrom(s, inputs), inputs.tax1.code, inputs.tax2.code};
            workOutFields(l.invoice, inputs, settings_);
            loaded.insert(id, std::move(l));
        }
    }
    if (!loaded.isEmpty()) {
        Statement s = db_.prepare(kLinesSql.arg(sql::keyPlaceholders(blockSize_)));
        sql::bindKeyBlock(s, keys, blockSize_);
        s.exec();
        while (s.next()) {
            const auto it = loaded.find(s.integer(QStringLiteral("ARInvoiceID")));
            if (it != loaded.end())
                it->invoice.lines.push_back(printedLine(lineFrom(s), it->tax1Code, it->tax2Code));
        }

        std::vector<qint64> customers;
        QSet<qint64> seen;
        for (const Loaded& l : loaded) {
            if (!seen.contains(l.invoice.customerId)) {
                seen.insert(l.invoice.customerId);
                customers.push_back(l.invoice.customerId);
            }
        }
        Statement b = db_.prepare(kBalancesSql.arg(sql::keyPlaceholders(blockSize_)));
        sql::bindKeyBlock(b, customers, blockSize_);
        b.exec();
        QHash<qint64, Money> balances;
        while (b.next())
            balances.insert(b.integer(0), b.money(QStringLiteral("CurrentBalance")));
        for (Loaded& l : loaded)
            l.invoice.currentBalance = balances.value(l.invoice.customerId);
    }

    blockStart_ = first;
    block_.clear();
    block_.reserve(keys.size());
    for (const qint64 id : keys) {
        const auto it = loaded.constFind(id);
        block_.push_back(it == loaded.constEnd() ? std::nullopt
                                                 : std::optional<PrintedInvoice>(it->invoice));
    }
}

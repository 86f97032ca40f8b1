#include "receivables/payments/paymentlookups.h"

#include "data/lookupfields.h"
#include "engine/database.h"
#include "engine/rowvalues.h"

namespace
{

using namespace rowvalues;

const QString kCustomerColumns =
    QStringLiteral("CustomerID, CustomerNo, CustomerName, AddressLine1, AddressLine2, City, "
                   "StateProv, ZipCode, Country, CurrencyID");
const QString kInvoiceColumns =
    QStringLiteral("ARInvoiceID, CustomerID, InvoiceNo, InvoiceDate, InvoiceAmount, Owing, "
                   "DiscPC, DiscDays, Posted");
const QString kAccountColumns = QStringLiteral("GLAccountID, GLAccount, AccountName, Suspended");

PayingCustomer readCustomer(const Statement& s)
{
    const auto t = [&s](const char* column) { return s.text(QString::fromLatin1(column)); };
    PayingCustomer c;
    c.customerId = s.integer(QStringLiteral("CustomerID"));
    c.customerNo = t("CustomerNo");
    c.customerName = t("CustomerName");
    c.address = joinedAddress({t("AddressLine1"), t("AddressLine2"), t("City"), t("StateProv"),
                               t("ZipCode"), t("Country")});
    c.currencyId = s.optionalInteger(QStringLiteral("CurrencyID"));
    return c;
}

AllocatedInvoice readInvoice(const Statement& s)
{
    AllocatedInvoice i;
    i.arInvoiceId = s.integer(QStringLiteral("ARInvoiceID"));
    i.customerId = s.integer(QStringLiteral("CustomerID"));
    i.invoiceNo = s.text(QStringLiteral("InvoiceNo"));
    i.invoiceDate = s.date(QStringLiteral("InvoiceDate"));
    i.invoiceAmount = s.money(QStringLiteral("InvoiceAmount"));
    i.owing = s.money(QStringLiteral("Owing"));
    i.discPC = s.real(QStringLiteral("DiscPC"));
    i.discDays = int(s.integer(QStringLiteral("DiscDays")));
    i.posted = s.boolean(QStringLiteral("Posted"));
    return i;
}

GLAccountInfo readAccount(const Statement& s)
{
    GLAccountInfo a;
    a.glAccountId = s.integer(QStringLiteral("GLAccountID"));
    a.glAccount = s.text(QStringLiteral("GLAccount"));
    a.accountName = s.text(QStringLiteral("AccountName"));
    a.suspended = s.boolean(QStringLiteral("Suspended"));
    return a;
}

} // namespace

namespace paymentlookup
{

std::optional<PayingCustomer> customerById(Database& db, qint64 customerId)
{
    return rowByKey(db, QStringLiteral("Customer"), QStringLiteral("CustomerID"), kCustomerColumns,
                    customerId, readCustomer);
}

std::optional<PayingCustomer> customerByNo(Database& db, const QString& customerNo)
{
    return firstRowByNumber(db, QStringLiteral("Customer"), QStringLiteral("CustomerNo"),
                            QStringLiteral("CustomerID"), kCustomerColumns, customerNo,
                            readCustomer);
}

std::optional<BankInfo> bankById(Database& db, qint64 bankId)
{
    return rowByKey(db, QStringLiteral("Bank"), QStringLiteral("BankID"),
                    QStringLiteral("BankID, BankName, CurrencyID"), bankId,
                    [](const Statement& row) {
                        return BankInfo{row.integer(QStringLiteral("BankID")),
                                        row.text(QStringLiteral("BankName")),
                                        row.optionalInteger(QStringLiteral("CurrencyID"))};
                    });
}

std::optional<qint64> firstBankOfCurrency(Database& db, std::optional<qint64> currencyId)
{
    // Banks without a name come first, as they do in the name index on both engines.
    Statement s = db.prepare(
        QStringLiteral("SELECT BankID FROM Bank WHERE COALESCE(CurrencyID, 0) = :currency "
                       "ORDER BY CASE WHEN BankName IS NULL THEN 0 ELSE 1 END, %1, BankID LIMIT 1")
            .arg(db.dialect().nocaseOrder(QStringLiteral("BankName"))));
    s.bind(QStringLiteral("currency"), currencyId.value_or(0));
    return firstRow(s, [](const Statement& row) { return row.integer(0); });
}

std::optional<qint64> defaultWriteOffAccount(Database& db, std::optional<qint64> currencyId)
{
    const std::optional<std::optional<qint64>> account =
        rowByKey(db, QStringLiteral("Currency"), QStringLiteral("CurrencyID"),
                 QStringLiteral("DfltWriteOffGLAccountID"), currencyId.value_or(0),
                 [](const Statement& row) {
                     return row.optionalInteger(QStringLiteral("DfltWriteOffGLAccountID"));
                 });
    return account && *account && **account != 0 ? *account : std::nullopt;
}

std::optional<GLAccountInfo> accountById(Database& db, qint64 glAccountId)
{
    return rowByKey(db, QStringLiteral("GLAccnt"), QStringLiteral("GLAccountID"), kAccountColumns,
                    glAccountId, readAccount);
}

std::optional<GLAccountInfo> accountByNo(Database& db, const QString& glAccount)
{
    return firstRowByNumber(db, QStringLiteral("GLAccnt"), QStringLiteral("GLAccount"),
                            QStringLiteral("GLAccountID"), kAccountColumns, glAccount, readAccount);
}

std::optional<AllocatedInvoice> invoiceById(Database& db, qint64 arInvoiceId)
{
    return rowByKey(db, QStringLiteral("ARInv"), QStringLiteral("ARInvoiceID"), kInvoiceColumns,
                    arInvoiceId, readInvoice);
}

std::optional<AllocatedInvoice> invoiceOfCustomerByNo(Database& db, qint64 customerId,
                                                      const QString& invoiceNo)
{
    if (invoiceNo.isEmpty())
        return std::nullopt;
    Statement s = db.prepare(QStringLiteral("SELECT %1 FROM ARInv WHERE CustomerID = :customer "
                                            "AND InvoiceNo = :no ORDER BY ARInvoiceID LIMIT 1")
                                 .arg(kInvoiceColumns));
    s.bind(QStringLiteral("customer"), customerId).bind(QStringLiteral("no"), invoiceNo);
    return firstRow(s, readInvoice);
}

QList<AllocatedInvoice> invoicesOfCustomer(Database& db, qint64 customerId, bool outstandingOnly,
                                           std::optional<qint64> alsoId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT %1 FROM ARInv WHERE CustomerID = :customer AND (:all = 1 OR "
                       "COALESCE(Owing, 0) <> 0 OR ARInvoiceID = :also) "
                       "ORDER BY InvoiceNo, ARInvoiceID")
            .arg(kInvoiceColumns));
    s.bind(QStringLiteral("customer"), customerId)
        .bind(QStringLiteral("all"), outstandingOnly ? 0 : 1)
        .bind(QStringLiteral("also"), alsoId.value_or(-1))
        .exec();
    QList<AllocatedInvoice> invoices;
    while (s.next())
        invoices << readInvoice(s);
    return invoices;
}

PaymentPeriods periods(Database& db)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT FiscalYear, DefaultPeriodPP, DefaultPeriodYYYY, EPeriodFromYYYY, EPeriodFromPP, "
        "EPeriodToYYYY, EPeriodToPP, WPeriodFromYYYY, WPeriodFromPP, WPeriodToYYYY, WPeriodToPP "
        "FROM Company ORDER BY CompanyNo LIMIT 1"));
    s.exec();
    PaymentPeriods p;
    if (!s.next())
        return p;
    const auto n = [&s](const char* column) { return int(s.integer(QString::fromLatin1(column))); };
    p.fiscalYear = n("FiscalYear");
    p.defaultPeriod = n("DefaultPeriodPP");
    p.defaultYear = n("DefaultPeriodYYYY");
    p.allowedFromYear = n("EPeriodFromYYYY");
    p.allowedFromPeriod = n("EPeriodFromPP");
    p.allowedToYear = n("EPeriodToYYYY");
    p.allowedToPeriod = n("EPeriodToPP");
    p.expectedFromYear = n("WPeriodFromYYYY");
    p.expectedFromPeriod = n("WPeriodFromPP");
    p.expectedToYear = n("WPeriodToYYYY");
    p.expectedToPeriod = n("WPeriodToPP");
    return p;
}

} // namespace paymentlookup

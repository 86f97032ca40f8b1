#include "paymentfixture.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "testdatabases.h"

namespace paymentfixture
{

void create(Database& db)
{
    for (const TableDef& t :
         {ar::arInv(), ar::arPmt(), ar::arInvPmt(), ar::arPmtCtl(), ar::customer(), ar::bank(),
          ar::currency(), ar::glAccount(), ar::company()})
        schema::createTable(db, t);
    db.exec(QStringLiteral("INSERT INTO ARPmtCtl (NextPaymentID) VALUES (NULL)"));
    records::insert(db, ar::company(),
                    {{QStringLiteral("CompanyNo"), 1},
                     {QStringLiteral("CompanyName"), QStringLiteral("Hearth Meals")},
                     {QStringLiteral("FiscalYear"), kFiscalYear}});
    const auto currency = [&db](qint64 id, const QString& name, qint64 writeOff) {
        records::insert(db, ar::currency(),
                        {{QStringLiteral("CurrencyID"), id},
                         {QStringLiteral("CurrencyName"), name},
                         {QStringLiteral("DfltWriteOffGLAccountID"), writeOff}});
    };
    currency(kDollars, QStringLiteral("US $"), kBadDebts);
    currency(kCanadian, QStringLiteral("Canadian $"), kWriteOffsCad);
    currency(kPesos, QStringLiteral("Pesos"), 0);
    const auto bank = [&db](qint64 id, const QString& name, qint64 currencyId) {
        records::insert(db, ar::bank(),
                        {{QStringLiteral("BankID"), id},
                         {QStringLiteral("BankName"), name},
                         {QStringLiteral("CurrencyID"), currencyId}});
    };
    bank(kMainStreet, QStringLiteral("Main Street"), kDollars);
    bank(kCityCredit, QStringLiteral("city credit"), kDollars);
    bank(kBorderBank, QStringLiteral("Border Bank"), kCanadian);
    const auto account = [&db](qint64 id, const QString& no, const QString& name, bool suspended) {
        records::insert(db, ar::glAccount(),
                        {{QStringLiteral("GLAccountID"), id},
                         {QStringLiteral("GLAccount"), no},
                         {QStringLiteral("AccountName"), name},
                         {QStringLiteral("Suspended"), suspended}});
    };
    account(kBadDebts, QStringLiteral("4900"), QStringLiteral("Bad debts"), false);
    account(kOldWriteOffs, QStringLiteral("4910"), QStringLiteral("Old write-offs"), true);
    account(kWriteOffsCad, QStringLiteral("4950"), QStringLiteral("Write-offs CAD"), false);
    const auto customer = [&db](qint64 id, const QString& no, const QString& name,
                                qint64 currencyId) {
        records::insert(db, ar::customer(),
                        {{QStringLiteral("CustomerID"), id},
                         {QStringLiteral("CustomerNo"), no},
                         {QStringLiteral("CustomerName"), name},
                         {QStringLiteral("AddressLine1"), QStringLiteral("4 Elm St")},
                         {QStringLiteral("City"), QStringLiteral("Dayton")},
                         {QStringLiteral("CurrencyID"), currencyId}});
    };
    customer(kAmes, QStringLiteral("1002"), QStringLiteral("Ames, Ruth"), kDollars);
    customer(kBaker, QStringLiteral("1003"), QStringLiteral("Baker, Lou"), kDollars);
    customer(kDupont, QStringLiteral("2001"), QStringLiteral("Dupont, Marc"), kCanadian);
    customer(kGarza, QStringLiteral("3001"), QStringLiteral("Garza, Ana"), kPesos);
}

QString invoiceNo(qint64 id)
{
    return QString::number(5000 + id);
}

void addInvoice(Database& db, const Invoice& invoice)
{
    records::insert(
        db, ar::arInv(),
        {{QStringLiteral("ARInvoiceID"), invoice.id},
         {QStringLiteral("CustomerID"), invoice.customerId},
         {QStringLiteral("InvoiceNo"), invoiceNo(invoice.id)},
         {QStringLiteral("InvoiceDate"), invoice.date},
         {QStringLiteral("InvoiceAmount"), QVariant::fromValue(invoice.amount)},
         {QStringLiteral("PaidAmount"), QVariant::fromValue(invoice.amount - invoice.owing)},
         {QStringLiteral("DiscTakenAmount"), QVariant::fromValue(Money())},
         {QStringLiteral("WriteOffAmount"), QVariant::fromValue(Money())},
         {QStringLiteral("Owing"), QVariant::fromValue(invoice.owing)},
         {QStringLiteral("DiscPC"), invoice.discPC},
         {QStringLiteral("DiscDays"), invoice.discDays},
         {QStringLiteral("Printed"), true},
         {QStringLiteral("Posted"), invoice.posted}});
}

QStringList storedRows(Database& db, qint64 paymentId)
{
    QStringList rows;
    for (const QString& sql : {QStringLiteral("SELECT PaymentID, ChequeNo, CustomerID, BankID, "
                                              "GLYear, GLPeriod, PaymentDate, ChequeAmount, "
                                              "Posted, Reconciled FROM ARPmt WHERE PaymentID = %1"),
                               QStringLiteral("SELECT ARInvoiceID, PaymentID, Seq, PaymentAmount, "
                                              "DiscTakenAmount, WriteOffAmount, "
                                              "WriteOffGLAccountID FROM ARInvPmt WHERE "
                                              "PaymentID = %1 ORDER BY Seq")}) {
        Statement s = db.query(sql.arg(paymentId));
        s.exec();
        while (s.next()) {
            QStringList values;
            for (int i = 0; i < s.record().count(); ++i) {
                const QVariant v = s.value(i);
                // Booleans and dates read alike on both engines.
                if (v.isNull())
                    values << QString();
                else if (v.typeId() == QMetaType::Bool)
                    values << (v.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
                else if (v.typeId() == QMetaType::QDate)
                    values << v.toDate().toString(Qt::ISODate);
                else
                    values << v.toString();
            }
            rows << values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

qint64 count(Database& db, const QString& sql)
{
    return testdb::scalar(db, sql);
}

} // namespace paymentfixture

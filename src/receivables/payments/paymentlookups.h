#pragma once
// What a payment looks up: the paying customer and its currency, banks, the write-off account
// of a currency, general-ledger accounts, the invoices a line may pay and the organization's
// period settings.

#include "receivables/payments/paymentheader.h"

#include <QList>
#include <QString>
#include <optional>

class Database;

struct PayingCustomer {
    qint64 customerId = 0;
    QString customerNo;
    QString customerName;
    QString address; // AddressLine1, then the other non-empty parts after ", "
    std::optional<qint64> currencyId;
};

struct BankInfo {
    qint64 bankId = 0;
    QString bankName;
    std::optional<qint64> currencyId;
};

struct GLAccountInfo {
    qint64 glAccountId = 0;
    QString glAccount; // the account number
    QString accountName;
    bool suspended = false;
};

// The organization's fiscal year, default period and the allowed (E...) and expected (W...)
// period ranges; all 0 where not set or when there is no organization row.
struct PaymentPeriods {
    int fiscalYear = 0;
    int defaultPeriod = 0;
    int defaultYear = 0;
    int allowedFromYear = 0, allowedFromPeriod = 0, allowedToYear = 0, allowedToPeriod = 0;
    int expectedFromYear = 0, expectedFromPeriod = 0, expectedToYear = 0, expectedToPeriod = 0;
};

namespace paymentlookup
{
std::optional<PayingCustomer> customerById(Database& db, qint64 customerId);
// The first customer (by key) with exactly this number.
std::optional<PayingCustomer> customerByNo(Database& db, const QString& customerNo);
std::optional<BankInfo> bankById(Database& db, qint64 bankId);
// The first bank by name, without regard to case, whose currency is this one (an empty
// currency counts as 0, on the bank as on the customer).
std::optional<qint64> firstBankOfCurrency(Database& db, std::optional<qint64> currencyId);
// The currency's default write-off account (DfltWriteOffGLAccountID).
std::optional<qint64> defaultWriteOffAccount(Database& db, std::optional<qint64> currencyId);
std::optional<GLAccountInfo> accountById(Database& db, qint64 glAccountId);
// The first account (by key) with exactly this number.
std::optional<GLAccountInfo> accountByNo(Database& db, const QString& glAccount);
std::optional<AllocatedInvoice> invoiceById(Database& db, qint64 arInvoiceId);
// The customer's invoice with this number (the first by key when several share it).
std::optional<AllocatedInvoice> invoiceOfCustomerByNo(Database& db, qint64 customerId,
                                                      const QString& invoiceNo);
// The customer's invoices in invoice number order; with `outstandingOnly`, those with a
// non-zero Owing, plus the invoice `alsoId` whatever it owes.
QList<AllocatedInvoice> invoicesOfCustomer(Database& db, qint64 customerId, bool outstandingOnly,
                                           std::optional<qint64> alsoId);
PaymentPeriods periods(Database& db);
} // namespace paymentlookup

#pragma once
// Payments for the payment register's tests, written straight into ARPmt and ARInvPmt as the
// payment document would leave them: five cheques of two customers and one since removed, two
// dates, posted and reconciled ones, and a cheque number two customers share.

#include <QDate>
#include <QString>
#include <memory>

class Database;

namespace paymentsample
{
struct Cheque {
    qint64 id;
    QString no;
    qint64 customer;
    QDate date;
    qint64 amountCents;
    bool posted = false;
    bool reconciled = false;
};

struct Allocation {
    qint64 payment;
    qint64 invoice;
    int seq;
    qint64 paidCents;
    qint64 discountCents = 0;
    qint64 writeOffCents = 0;
};

void addCheque(Database& db, const Cheque& c);
void addAllocation(Database& db, const Allocation& a);

// The invoice register's sample ledger and invoices (registersample), then these cheques:
//   1 "501"  Ames    1 Mar  50.00  posted, reconciled   pays invoice 10001 50.00
//   2 "502"  Ames    2 Mar  20.00                       pays 10004 15.00 (5.00 off), 09999 5.00
//   3 "100"  County  1 Mar   7.00                       pays 09999 2.00 (0.50 written off)
//   4 "503"  gone    2 Mar   1.00
//   5 "502"  County  1 Mar  30.00  posted
// Ames's currency is 2.
std::unique_ptr<Database> sampleLedger(const QString& engine);
} // namespace paymentsample

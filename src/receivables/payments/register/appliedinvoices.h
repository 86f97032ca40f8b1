#pragma once
// What each cheque was applied to: its allocation lines (ARInvPmt) with the invoice number of
// each, for listings that show a cheque with its invoices.

#include "common/money.h"

#include <QHash>
#include <QList>
#include <QString>

class Database;

struct AppliedInvoice {
    QString invoiceNo; // empty when the invoice is gone
    Money amountPaid;
    Money discountTaken;
    Money writeOff;
};

// Every payment's allocation lines in line (Seq) order, by PaymentID.
QHash<qint64, QList<AppliedInvoice>> appliedInvoices(Database& db);

#pragma once
// The payments applied to one invoice, as the register's Payment(s) view lists them: each
// cheque's number and date, what it paid on this invoice, and the cheque's whole amount.

#include "common/money.h"

#include <QDate>
#include <QString>
#include <vector>

class Database;

struct InvoicePayment {
    QString chequeNo;
    QDate paymentDate;
    Money paymentAmount; // paid on this invoice
    Money chequeAmount;  // the whole cheque
};

// In the order the payments were applied.
std::vector<InvoicePayment> paymentsOnInvoice(Database& db, qint64 arInvoiceId);

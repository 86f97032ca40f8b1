#pragma once
// The documents the AR history lists: every invoice and every payment posted to one accounting
// period, optionally of one currency's customers or of one customer, in customer order.
#include "common/money.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class Database;

namespace reports
{

struct HistorySelection {
    int period = 0; // 1..12
    int year = 0;   // four digits
    std::optional<int> currencyId;
    std::optional<int> customerId;
};

struct HistoryLine {
    enum class Kind { Invoice, Payment };
    Kind kind = Kind::Invoice;
    QString number; // the invoice's number or the payment's cheque number
    QDate date;
    Money amount;
    QString customerNo;
    QString customerName;
    QString contact;
};

// By customer name and number without regard to case, invoices before payments, then by
// number. Every document counts: two cheques alike in every printed column are both listed.
std::vector<HistoryLine> historyLines(Database& db, const HistorySelection& selection);

} // namespace reports

#pragma once
// The payment register's list: every AR payment (cheque) with its customer's number, name,
// currency, phone and e-mail, in one of two orders, narrowed by the Outstanding toggle (not
// reconciled) and the filter dialog's choices. The chosen values are bound, never pasted into
// the SQL text.

#include "common/money.h"
#include "receivables/listing/listquery.h"
#include "receivables/listing/listtexts.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class Database;
class Statement;

enum class PaymentOrder {
    DateNewestFirst, // PaymentDate, then ChequeNo, both descending: the register opens so
    ChequeNo,
};

struct PaymentFilter {
    std::optional<qint64> customerId;
    // Applied through the payment's customer: a payment whose customer is gone never matches.
    std::optional<qint64> currencyId;
    QDate paymentDate; // exactly this date; invalid: any date
    FlagChoice posted = FlagChoice::All;

    // Whether the filter dialog narrowed the list at all (the caption says "Filtered").
    bool narrows() const;
};

struct PaymentView {
    PaymentFilter filter;
    bool outstanding = false; // only payments not reconciled
    PaymentOrder order = PaymentOrder::DateNewestFirst;
};

struct PaymentRow {
    qint64 paymentId = 0;
    std::optional<qint64> customerId;
    QString chequeNo;
    QDate paymentDate;
    Money chequeAmount;
    std::optional<int> glPeriod;
    std::optional<int> glYear;
    bool posted = false;
    bool reconciled = false;
    // Looked up from the customer; empty when the customer no longer exists.
    QString customerNo;
    QString customerName;
    std::optional<qint64> currencyId;
    QString phone;
    QString email;

    QString periodText() const { return ::periodText(glPeriod, glYear); }
};

// The list's SQL over ARPmt P LEFT JOIN Customer C: its bound conditions and its order.
class PaymentQuery : public ListQuery
{
public:
    explicit PaymentQuery(const PaymentView& view);
};

// The rows of the list as it stands, in its order.
QList<PaymentRow> readPayments(Database& db, const PaymentView& view);
// The payment with this key as the list shows it, whatever the view; none when it is gone.
std::optional<PaymentRow> readPayment(Database& db, qint64 paymentId);
